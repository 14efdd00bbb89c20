// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The fonts the windows are designed for, mapped onto free fonts with the
// same metrics, and the windows' default font.
class Fonts
{
public:
    static void install();
    // 宋体 9 pt: every double-byte character exactly two spaces wide.
    static QFont defaultFont();
    // A font for the picture canvases: given pixel metrics and pure black ink.
    static QFont canvasFont(const QString &family, qreal pointSize, bool bold);
};
