// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the program keeps them: in the system's encoding (UTF-8 on
// Linux, the ANSI code page on Windows, 936 = GBK on a Chinese one), CR LF
// after every line, written whole and atomically.
namespace TextFile
{
// Bytes for a file in the system's encoding; text the system's encoding
// cannot hold is written as UTF-8 with a byte-order mark instead, so nothing
// becomes a question mark. *lossless tells which was written.
QByteArray encode(const QString &text, bool *lossless = nullptr);
// Text of a file: UTF-8 after a byte-order mark or where the bytes are valid
// UTF-8, otherwise GBK (as earlier versions wrote), otherwise the system's
// encoding.
QString decode(const QByteArray &bytes);
// Every way of reading the bytes that decode() chooses from, its choice
// first: GBK bytes may also be valid UTF-8 ("图片" written by an earlier
// version reads as "ͼƬ"), and only what the text names can tell which.
QStringList readings(const QByteArray &bytes);

// Every line followed by CR LF.
QString joinLines(const QStringList &lines);
// A number as the program writes it: sign place, digits, one space.
QString numberLine(qint64 value);

// Replaces the file with these bytes; on failure the old file is kept and
// *error holds the system's reason.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// The first line without its line end, spaces kept; nothing when the file
// cannot be opened or is not a regular file (a link is not followed). At most
// maxBytes are looked at.
std::optional<QString> readFirstLine(const QString &path, qint64 maxBytes = 64 * 1024);
// The same line's bytes, not yet decoded.
std::optional<QByteArray> firstLineBytes(const QString &path, qint64 maxBytes = 64 * 1024);
}
