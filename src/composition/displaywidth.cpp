// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displaywidth.h"

#include "displaywidthtable.h"

#include <QFontMetricsF>
#include <QList>
#include <QTextBoundaryFinder>
#include <algorithm>

int DisplayWidth::columns(char32_t codePoint, Ambiguous ambiguous)
{
    using DisplayWidthTable::Kind;
    const auto &table = DisplayWidthTable::ranges;
    const auto range = std::upper_bound(table.begin(), table.end(), codePoint,
                                        [](char32_t c, const DisplayWidthTable::Range &r) { return c < r.first; });
    if (range == table.begin() || codePoint > std::prev(range)->last)
        return 1;
    switch (std::prev(range)->kind) {
    case Kind::Zero:
        return 0;
    case Kind::Wide:
        return 2;
    case Kind::Ambiguous:
        break;
    }
    return ambiguous == Ambiguous::Wide ? 2 : 1;
}

int DisplayWidth::columns(const QString &text, Ambiguous ambiguous)
{
    int total = 0;
    for (const char32_t c : text.toUcs4())
        total += columns(c, ambiguous);
    return total;
}

int DisplayWidth::fontColumns(QStringView grapheme)
{
    if (grapheme.isEmpty())
        return 0;
    const char32_t first = grapheme.toUcs4().constFirst();
    const bool halfWidthForm = (first >= 0xFF61 && first <= 0xFFDC) || (first >= 0xFFE8 && first <= 0xFFEE);
    if (first < 0x80 || halfWidthForm)
        return 1;
    return columns(first, Ambiguous::Wide) == 0 ? 0 : 2;
}

void DisplayWidth::forEachGrapheme(const QString &text, const std::function<void(QStringView, int)> &grapheme)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const QStringView piece = QStringView(text).mid(start, end - start);
        grapheme(piece, fontColumns(piece));
        start = end;
    }
}

int DisplayWidth::fontColumns(const QString &text)
{
    int total = 0;
    forEachGrapheme(text, [&total](QStringView, int columns) { total += columns; });
    return total;
}

qreal DisplayWidth::pixels(const QString &text, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}
