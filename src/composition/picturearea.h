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

// A blank picture of that size, with the font, cell width and line pitch the
// main window's 21 × 21 art fills it at, and pixels as its units. The image
// view prints into it at that size, so a second printout lands below the
// first.
Canvas canvas();

// Pictures drawn larger than this many pixels are refused: more than the
// program itself would read back.
inline constexpr qint64 MaxPixels = 32 * 1024 * 1024;

// How an art is laid out in a picture. Art smaller than the area is drawn
// larger, by whole pixels per cell, until it fills the area; a banner wider
// than the area is drawn as tall as the area and the picture grows to its
// width; art larger than the area is drawn at the usual size and the picture
// grows to hold it whole. Every size is then scale times as large.
struct Layout
{
    QSize size;
    int fontPixels = 0;
    int cellWidth = 0;
    int linePitch = 0;
};
Layout layoutFor(const QString &art, int scale = 1);
// The picture's size, found without drawing anything.
inline QSize sizeFor(const QString &art, int scale = 1) { return layoutFor(art, scale).size; }

// A blank area of that layout.
Canvas canvasFor(const QString &art, int scale = 1);

// The art printed on such an area in these colours.
QImage picture(const QString &art, const QColor &back, const QColor &text, int scale = 1);

}
