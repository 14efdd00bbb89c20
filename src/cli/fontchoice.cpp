// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fontchoice.h"

#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {
// Letters alone, in lower case: "WenQuanYi Zen Hei" and "wenquanyi-zenhei" are alike.
QString letters(const QString &name)
{
    QString result;
    for (QChar c : name)
        if (c.isLetterOrNumber())
            result += c.toLower();
    return result;
}

// Edits that turn one name into the other; a name inside the other costs
// only the letters around it.
qsizetype distance(const QString &a, const QString &b)
{
    if (!a.isEmpty() && !b.isEmpty() && (a.contains(b) || b.contains(a)))
        return qAbs(a.size() - b.size()) / 4;
    std::vector<qsizetype> row(size_t(b.size() + 1));
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}
}

bool FontChoice::known(const QString &family)
{
    return QFontDatabase::hasFamily(family) || !QFont::substitutes(family).isEmpty();
}

QStringList FontChoice::closest(const QString &family, int count)
{
    const QString wanted = letters(family);
    QList<QPair<qsizetype, QString>> ranked;
    for (const QString &installed : Fonts::listed())
        ranked.append({distance(wanted, letters(installed)), installed});
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &x, const auto &y) { return x.first < y.first; });
    QStringList result;
    for (qsizetype i = 0; i < std::min<qsizetype>(count, ranked.size()); ++i)
        result << ranked[i].second;
    return result;
}
