// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reading and writing picture files.
namespace ImageFiles
{
// Writes the image in the given format ("BMP", "JPG") replacing any file of
// that name only once the whole picture is written.
bool save(const QImage &image, const QString &path, const char *format,
          int quality = -1, QString *error = nullptr);

// Reads a picture, recognising its format by its content. With a valid
// size the picture comes back at exactly that size, decoded straight to it
// where the format allows, so large photos stay cheap. With
// Qt::KeepAspectRatio it comes back as large as fits in that size instead,
// with its own proportions.
QImage load(const QString &path, QString *error = nullptr, QSize size = {},
            Qt::AspectRatioMode aspect = Qt::IgnoreAspectRatio);
}
