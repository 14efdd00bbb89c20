// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QSize>

// The image view's picture area, which the art is printed into.
namespace PictureArea {

// The picture's size in pixels.
inline constexpr QSize Size{261, 237};
// A picture may be drawn up to this many times the area's size.
inline constexpr int MaxScale = 8;

// A blank picture of that size, with the font and line pitch the art is
// printed in and pixels as its units.
Canvas canvas();

// Pictures drawn larger than this many pixels are refused: more than the
// program itself would read back.
inline constexpr qint64 MaxPixels = 32 * 1024 * 1024;

// A blank area for printing the art whole: scale times the area's size, font
// and line pitch, and larger still when the art's rows are wider or more
// than the area holds.
Canvas canvasFor(const QString &art, int scale = 1);
// The size of that area, found without drawing anything.
QSize sizeFor(const QString &art, int scale = 1);

// The art printed on such an area in these colours.
QImage picture(const QString &art, const QColor &back, const QColor &text, int scale = 1);

}
