// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// Reading and writing picture files.
namespace ImageFiles
{
// The image as the bytes of a file in the given format ("BMP", "JPG",
// "PNG"); empty, with the reason, when it cannot be encoded.
QByteArray encode(const QImage &image, const char *format, int quality = -1, QString *error = nullptr);
// Encodes the image and writes it through Files::write: the old file stays
// whole unless the new one was written completely.
bool save(const QImage &image, const QString &path, const char *format,
          int quality = -1, QString *error = nullptr);

// The file-name suffixes of the picture formats load() reads here, lower
// case without the dot ("jpg", "png"…): JPEG, GIF, BMP, ICO and PNG, and WebP
// where Qt's plugin for it is installed.
QStringList readableSuffixes();

// Reads a picture, recognising its format by its content; only the formats
// of readableSuffixes() are read. EXIF orientation is honoured: size and
// aspect apply to the picture as it stands. With a valid
// size the picture comes back at exactly that size, decoded straight to it
// where the format allows, so large photos stay cheap. With
// Qt::KeepAspectRatio it comes back as large as fits in that size instead,
// with its own proportions. The header is checked first: a picture whose
// decoding would take more than about half a second or 256 MiB is refused,
// with the reason, before anything is decoded: the file's size, its pixels,
// every scan of a JPEG and the ancillary chunks of a PNG are weighed. Only regular files are read
// (links followed); nothing ever blocks.
QImage load(const QString &path, QString *error = nullptr, QSize size = {},
            Qt::AspectRatioMode aspect = Qt::IgnoreAspectRatio);
// The same for a name given as the bytes on disk (see Files::regularFiles).
QImage load(const QByteArray &nativePath, QString *error = nullptr, QSize size = {},
            Qt::AspectRatioMode aspect = Qt::IgnoreAspectRatio);
}
