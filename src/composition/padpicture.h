// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picturecells.h"

#include <QImage>
#include <QSize>
#include <QString>

// A picture put on the drawing pad: its cells (see PictureCells) and the
// pad's view of them, one grey block per ink cell, so that the pad shows
// what the composition takes from the picture. The blocks are not pure
// black: what the pen draws over them is still told apart and read as the
// pen's strokes always are.
namespace PadPicture {

constexpr QRgb BlockColour = 0xFF505050;

// The file is decoded no larger than the cells need. A file that is not a
// readable picture (or too large to read) gives no cells and the reason.
PictureCells::Result fromFile(const QString &path, int cells, PictureStyle style, bool invert,
                              QString *error = nullptr);
// The same for a name given as the bytes on disk.
PictureCells::Result fromFile(const QByteArray &nativePath, int cells, PictureStyle style, bool invert,
                              QString *error = nullptr);

// The pad of that size showing the cells as blocks, the grid spread evenly
// over it, on white.
QImage blocks(const QList<QBitArray> &ink, QSize pad);

}
