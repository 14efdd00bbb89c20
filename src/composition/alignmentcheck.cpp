// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alignmentcheck.h"

#include "artdefaults.h"
#include "celltext.h"
#include "terminal.h"

#include <QFont>
#include <QFontDatabase>
#include <cmath>

namespace {
// By any name the font goes by (the designed fonts by the ones standing in
// for them): Windows lists a Chinese font under its
// Chinese name on a Chinese system and knows the English one as an alias.
bool installed(const QString &family)
{
    return QFontDatabase::hasFamily(family) || !QFont::substitutes(family).isEmpty();
}

QFont fontOf(const QString &family)
{
    QFont font(family);
    font.setPixelSize(AlignmentCheck::FontPixels);
    return font;
}

// Letters, digits and signs of ASCII in their full-width forms, the space as
// the ideographic space.
QString fullWidth(const QString &text)
{
    QString wide = text;
    for (QChar &c : wide) {
        if (c == QLatin1Char(' '))
            c = QChar(0x3000);
        else if (c.unicode() > 0x20 && c.unicode() < 0x7F)
            c = QChar(c.unicode() + 0xFEE0);
    }
    return wide;
}

// Pads a cell of the table to the given terminal columns.
QString padded(const QString &text, int columns)
{
    return text + QString(std::max(0, columns - DisplayWidth::columns(text)), QLatin1Char(' '));
}
}

QList<AlignmentCheck::Target> AlignmentCheck::targets()
{
    return {
        {QStringLiteral("terminal"), QStringLiteral("终端 (terminal)"), false, DisplayWidth::Ambiguous::Narrow},
        {QStringLiteral("terminal-wide"), QStringLiteral("终端，宽模糊字符 (terminal-wide)"), false,
         DisplayWidth::Ambiguous::Wide},
        target(QStringLiteral("Noto Sans CJK SC")),
        target(QStringLiteral("WenQuanYi Zen Hei")),
    };
}

AlignmentCheck::Target AlignmentCheck::target(const QString &name)
{
    if (name == QLatin1String("terminal") || name == QLatin1String("terminal-wide"))
        return targets().value(name == defaultTarget() ? 0 : 1);
    return {name, name, true, DisplayWidth::Ambiguous::Narrow};
}

QString AlignmentCheck::Row::width(qreal value) const
{
    return target.font ? QStringLiteral("%1 像素").arg(value, 0, 'f', 1)
                       : QStringLiteral("%1 列").arg(qRound(value));
}

AlignmentCheck::AlignmentCheck(const QString &foreground, const QString &background)
    : m_foreground(foreground), m_background(background)
{
}

qreal AlignmentCheck::width(const QString &text, const Target &target) const
{
    return target.font ? DisplayWidth::pixels(text, fontOf(target.name)) : DisplayWidth::columns(text, target.ambiguous);
}

AlignmentCheck::Row AlignmentCheck::check(const Target &target) const
{
    Row row;
    row.target = target;
    if (target.font && !installed(target.name)) {
        row.installed = false;
        return row;
    }
    row.foreground = width(m_foreground, target);
    row.background = width(m_background, target);
    row.aligned = target.font ? std::abs(row.foreground - row.background) < FontTolerance
                              : row.foreground == row.background;
    return row;
}

QList<AlignmentCheck::Row> AlignmentCheck::rows(const QList<Target> &list) const
{
    QList<Row> rows;
    for (const Target &target : list)
        rows << check(target);
    return rows;
}

QStringList AlignmentCheck::fixes(const QStringList &candidates, const QString &current, qreal wanted,
                                  const Target &target) const
{
    QStringList fixes;
    for (const QString &text : candidates) {
        if (text == current || fixes.contains(text) || text.size() > CellText::MaxLength)
            continue;
        const qreal w = width(text, target);
        if (target.font ? std::abs(w - wanted) < FontTolerance : w == wanted)
            fixes << text;
    }
    return fixes;
}

QStringList AlignmentCheck::backgroundFixes(const Row &row) const
{
    if (!row.installed || row.aligned)
        return {};
    const QString doubled = ArtDefaults::Background + ArtDefaults::Background;
    return fixes({QStringLiteral("\u3000"), QStringLiteral("  "), QStringLiteral(" "), doubled,
                  fullWidth(m_background), m_background + m_background},
                 m_background, row.foreground, row.target);
}

QStringList AlignmentCheck::foregroundFixes(const Row &row) const
{
    if (!row.installed || row.aligned || m_foreground.trimmed().isEmpty())
        return {};
    return fixes({fullWidth(m_foreground), m_foreground + m_foreground}, m_foreground, row.background, row.target);
}

QString AlignmentCheck::option(const QString &name, const QString &text)
{
    return QStringLiteral("--%1 %2").arg(name, Terminal::quoted(text));
}

QString AlignmentCheck::table(const QList<Target> &list) const
{
    const QList<Row> all = rows(list);
    const QString foregroundHead = QStringLiteral("前景字“%1”").arg(m_foreground);
    const QString backgroundHead = QStringLiteral("背景字“%1”").arg(m_background);
    int labelColumns = DisplayWidth::columns(QStringLiteral("目标"));
    for (const Row &row : all)
        labelColumns = std::max(labelColumns, DisplayWidth::columns(row.target.label));
    const int foregroundColumns = std::max(DisplayWidth::columns(foregroundHead), 10);
    const int backgroundColumns = std::max(DisplayWidth::columns(backgroundHead), 10);

    QString text = padded(QStringLiteral("目标"), labelColumns + 2) + padded(foregroundHead, foregroundColumns + 2)
                   + padded(backgroundHead, backgroundColumns + 2) + QStringLiteral("对齐\n");
    for (const Row &row : all) {
        text += padded(row.target.label, labelColumns + 2);
        if (!row.installed) {
            text += QStringLiteral("字体未安装\n");
            continue;
        }
        text += padded(row.width(row.foreground), foregroundColumns + 2)
                + padded(row.width(row.background), backgroundColumns + 2)
                + (row.aligned ? QStringLiteral("✓\n") : QStringLiteral("✗\n"));
        QStringList options;
        for (const QString &fix : backgroundFixes(row))
            options << option(QStringLiteral("bg"), fix);
        for (const QString &fix : foregroundFixes(row))
            options << option(QStringLiteral("fg"), fix);
        if (!options.isEmpty())
            text += QStringLiteral("  可改用 %1\n").arg(options.join(QStringLiteral("、")));
    }
    return text;
}
