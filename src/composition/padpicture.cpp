// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "padpicture.h"

#include "files.h"
#include "imagefiles.h"

#include <QPainter>

namespace {
constexpr QRgb Ink = 0xFF000000;
constexpr QRgb Paper = 0xFFFFFFFF;

// Rec. 601 luma, in thousandths: darker than half of full white is ink.
bool dark(QRgb rgb)
{
    return qRed(rgb) * 299 + qGreen(rgb) * 587 + qBlue(rgb) * 114 < 255 * 1000 / 2;
}
}

QImage PadPicture::fromImage(const QImage &picture, QSize pad)
{
    if (picture.isNull() || pad.isEmpty())
        return {};
    QImage drawing(pad, QImage::Format_RGB32);
    drawing.fill(Paper);
    QImage fitted = picture;
    const QSize size = picture.size().scaled(pad, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (size != picture.size())
        fitted = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        QPainter painter(&drawing);
        painter.drawImage((pad.width() - size.width()) / 2, (pad.height() - size.height()) / 2, fitted);
    }
    for (int y = 0; y < drawing.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(drawing.scanLine(y));
        for (int x = 0; x < drawing.width(); ++x)
            line[x] = dark(line[x]) ? Ink : Paper;
    }
    return drawing;
}

QImage PadPicture::fromFile(const QString &path, QSize pad, QString *error)
{
    return fromFile(Files::native(path), pad, error);
}

QImage PadPicture::fromFile(const QByteArray &nativePath, QSize pad, QString *error)
{
    const QImage picture = ImageFiles::load(nativePath, error, pad, Qt::KeepAspectRatio);
    return picture.isNull() ? QImage() : fromImage(picture, pad);
}
