// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "padpicture.h"

#include "files.h"
#include "imagefiles.h"

#include <QPainter>

PictureCells::Result PadPicture::fromFile(const QString &path, int cells, PictureStyle style, bool invert,
                                          QString *error)
{
    return fromFile(Files::native(path), cells, style, invert, error);
}

PictureCells::Result PadPicture::fromFile(const QByteArray &nativePath, int cells, PictureStyle style, bool invert,
                                          QString *error)
{
    const int side = PictureCells::usefulSide(cells);
    const QImage picture = ImageFiles::load(nativePath, error, QSize(side, side), Qt::KeepAspectRatio);
    return picture.isNull() ? PictureCells::Result() : PictureCells::decide(picture, cells, style, invert);
}

QImage PadPicture::blocks(const QList<QBitArray> &ink, QSize pad)
{
    QImage image(pad, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int cells = int(ink.size());
    if (cells == 0)
        return image;
    QPainter painter(&image);
    auto edge = [cells](int i, int pixels) { return (i * pixels + cells / 2) / cells; };
    for (int r = 0; r < cells; ++r)
        for (int c = 0; c < ink[r].size(); ++c)
            if (ink[r].testBit(c)) {
                const int x = edge(c, pad.width()), y = edge(r, pad.height());
                painter.fillRect(x, y, edge(c + 1, pad.width()) - x, edge(r + 1, pad.height()) - y, QColor(BlockColour));
            }
    return image;
}
