// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picturestyle.h"

#include <QBitArray>
#include <QImage>
#include <QList>

// A picture turned into a square grid of ink and paper cells. The picture
// covers the grid, centred, with its proportions kept; transparent parts
// count as white. Each cell is decided from its whole area, in linear
// light, after a contrast stretch (the picture's 1st to 99th percentiles
// of luminance become black to white) and a threshold chosen from the
// picture (Otsu's, between its dark and light cells).
class PictureCells
{
public:
    struct Result
    {
        QList<QBitArray> ink;  // one row of flags per grid row, true where the cell is ink
        PictureStyle style = PictureStyle::Outline;  // the one used: never Auto
    };

    static Result decide(const QImage &picture, int cells, PictureStyle style = PictureStyles::Default,
                         bool invert = false);

    // The picture's long side in pixels beyond which decoding more adds
    // nothing to a grid of that many cells.
    static int usefulSide(int cells) { return 16 * cells; }
};
