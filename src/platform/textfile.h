// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the program keeps them: code page 936 (GBK), CR LF after
// every line, written whole and atomically.
namespace TextFile
{
enum class Fallback { None, Utf8WithBom };

// GBK bytes of text; *lossless is false when a character has no GBK code.
QByteArray encodeGbk(const QString &text, bool *lossless = nullptr);
// Bytes for a file: GBK, or with Utf8WithBom, UTF-8 with a byte-order mark
// when GBK cannot hold the text.
QByteArray encode(const QString &text, Fallback fallback);

// Every line followed by CR LF.
QString joinLines(const QStringList &lines);
// A number as the program writes it: sign place, digits, one space.
QString numberLine(qint64 value);

// Replaces the file with these bytes; on failure the old file is kept and
// *error holds the system's reason.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr,
                Fallback fallback = Fallback::None);

// The first line without its line end, spaces kept; nothing when the file
// cannot be opened or is not a regular file (a link is not followed). At most
// maxBytes are looked at. GBK, or UTF-8 when the file starts with a
// byte-order mark.
std::optional<QString> readFirstLine(const QString &path, qint64 maxBytes = 64 * 1024);
}
