// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A picture turned into a drawing for the pad: pad-sized, the picture scaled
// to fit with its proportions kept and centred on white; transparent parts
// count as white; every pixel darker than half luminance becomes pure black
// ink and every other pixel white, so what the pad shows is what the
// composition samples.
namespace PadPicture {

// The file is decoded straight to the fitted size. A file that is not a
// readable picture (or too large to read) gives a null image and the reason.
QImage fromFile(const QString &path, QSize pad, QString *error = nullptr);
// The same for a name given as the bytes on disk.
QImage fromFile(const QByteArray &nativePath, QSize pad, QString *error = nullptr);
QImage fromImage(const QImage &picture, QSize pad);

}
