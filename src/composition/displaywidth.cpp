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
    constexpr char32_t EmojiPresentation = 0xFE0F;
    int total = 0;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = graphemes.toNextBoundary(); end != -1; end = graphemes.toNextBoundary()) {
        int width = 0;
        for (const char32_t c : QStringView(text).mid(start, end - start).toUcs4())
            width = std::max(width, c == EmojiPresentation ? 2 : columns(c, ambiguous));
        total += width;
        start = end;
    }
    return total;
}

qreal DisplayWidth::pixels(const QString &text, const QFont &font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}
