// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSize>

// Picture files made to cost a decoder far more than they weigh, for the tests and the benchmarks.
namespace HostilePictures
{
// A progressive JPEG of a noisy picture of that size whose first AC scan is repeated so that the file has extra more
// scans (libjpeg decodes each); its header claims the size given as claimed, if any.
QByteArray repeatedScans(QSize size, int extra, QSize claimed = {});
// A PNG of 1 × 1 pixel carrying a text chunk of that many bytes, stored plainly ("tEXt", "iTXt") or compressed
// ("zTXt", "iTXt compressed").
QByteArray pngWithText(qint64 bytes, const QByteArray &type = "tEXt");
// A small JPEG whose header carries markers of that type (0xFE comments, 0xE1 EXIF or XMP) holding that many bytes.
QByteArray jpegWithMarkers(qint64 bytes, int marker);
// An SVG drawing of that many small circles; gzip-compressed for SVGZ.
QByteArray svg(int circles, bool compressed = false);
}
