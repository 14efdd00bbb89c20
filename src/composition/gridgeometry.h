// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QSize>
#include <QtMath>

// Every size a composition works with, following from the number of cells
// across. The main window's 21 cells give a small canvas of 20 × 20 pixels
// that is sampled pixel by pixel, a large canvas of 111 × 111 pixels, the
// glyph printed at 14 and 80 points and a pen 7 pixels wide; another number
// of cells scales all of them in the same proportion. The canvases' units
// run from 0 to cells − 1, so the last row and column of the grid lie one
// pixel beyond the image and always read as background.
struct GridGeometry
{
    static constexpr int DefaultCells = 21;
    static constexpr int MinCells = 7;
    static constexpr int MaxCells = 63;

    int cells = DefaultCells;

    constexpr qreal units() const { return cells - 1; }
    constexpr int smallPixels() const { return cells - 1; }
    int largePixels() const { return qRound(111 * scale()); }
    constexpr qreal smallPoints() const { return 14 * scale(); }
    constexpr qreal largePoints() const { return 80 * scale(); }
    int penWidth() const { return qMax(1, qRound(7 * scale())); }

    Canvas smallCanvas() const { return Canvas(QSize(smallPixels(), smallPixels()), units(), units()); }
    Canvas largeCanvas() const
    {
        Canvas canvas(QSize(largePixels(), largePixels()), units(), units());
        canvas.setPenWidth(penWidth());
        return canvas;
    }

private:
    constexpr qreal scale() const { return qreal(cells - 1) / (DefaultCells - 1); }
};
