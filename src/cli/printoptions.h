// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridgeometry.h"

#include <QStringList>
#include <optional>

// What `tessellon --print` was asked for, read from its arguments.
struct PrintOptions
{
    enum class Action { Print, Help, Version, UsageError };

    Action action = Action::Print;
    QString message;  // the help text, or what is wrong with the arguments

    QStringList glyphs;  // none: one glyph per line of standard input
    QString fontName = QStringLiteral("幼圆");
    std::optional<QString> foreground;  // by default the glyph itself
    QString background = QStringLiteral("▓");
    bool bold = true;
    bool shrink = false;
    GridGeometry geometry;
    bool crlf = false;
    QString fromPicture;
    QString picture;
    QByteArray pictureFormat;
    int backCode = 1;
    int textCode = 6;

    // The arguments include the program's name first, as main() gets them.
    static PrintOptions parse(const QStringList &arguments);
};
