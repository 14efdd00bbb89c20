// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "displaywidth.h"

#include <QList>
#include <QString>
#include <QStringList>

// Whether art lines up where it is pasted: its foreground and background
// texts must be equally wide there. Targets are terminals (counted in
// columns) and the fonts that chat programs show Chinese text in (counted in
// pixels).
class AlignmentCheck
{
public:
    struct Target
    {
        QString name;   // as --target takes it: a terminal's or a font family's
        QString label;  // as the table shows it
        bool font = false;
        DisplayWidth::Ambiguous ambiguous = DisplayWidth::Ambiguous::Narrow;  // terminals
    };
    // The size chat programs commonly show text at; fonts are measured there.
    static constexpr int FontPixels = 16;
    // Within this many pixels two widths in a font count as equal.
    static constexpr qreal FontTolerance = 0.5;

    // Both terminals, then the Chinese fonts of Android phones and of Linux
    // desktops.
    static QList<Target> targets();
    static QString defaultTarget() { return QStringLiteral("terminal"); }
    // One of targets() by name, or else the font family of that name.
    static Target target(const QString &name);

    struct Row
    {
        Target target;
        bool installed = true;  // false for a font that is not installed
        qreal foreground = 0;
        qreal background = 0;
        bool aligned = false;
        // A width with its unit: "2 列", "16.0 像素".
        QString width(qreal value) const;
    };

    AlignmentCheck(const QString &foreground, const QString &background);
    Row check(const Target &target) const;
    QList<Row> rows(const QList<Target> &list = AlignmentCheck::targets()) const;

    // Texts for the background box that are as wide as the foreground text in
    // the row's target, and texts for the foreground box as wide as the
    // background text: the full-width space, two spaces, the box's text
    // doubled or in its full-width form.
    QStringList backgroundFixes(const Row &row) const;
    QStringList foregroundFixes(const Row &row) const;

    // The rows as lines of lined-up columns, each mismatch followed by the
    // options that mend it.
    QString table(const QList<Target> &list = AlignmentCheck::targets()) const;

    // A text as an option with its value quoted for the user's shell: --bg '　'.
    static QString option(const QString &name, const QString &text);

private:
    qreal width(const QString &text, const Target &target) const;
    QStringList fixes(const QStringList &candidates, const QString &current, qreal wanted,
                      const Target &target) const;

    QString m_foreground;
    QString m_background;
};
