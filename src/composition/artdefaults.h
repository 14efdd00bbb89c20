// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What a new art starts with, the same in the main window and on the command
// line.
namespace ArtDefaults
{
inline const QString Glyph = QStringLiteral("顶");
inline const QString FontName = QStringLiteral("幼圆");
inline const QString Background = QStringLiteral("▓");
// The background the program recommends for chat programs: the full-width
// space is as wide as a Chinese character in every Chinese font and in
// terminals, and chat programs keep it where they collapse or trim runs of
// ASCII spaces.
inline const QString RecommendedBackground = QStringLiteral("\u3000");
// The picture's background and text colour codes.
constexpr int BackColourCode = 1;
constexpr int TextColourCode = 6;
// Pictures are saved as JPEG at this quality, or as lossless PNG.
constexpr int JpegQuality = 95;
inline int quality(const QByteArray &format)
{
    return format.compare("PNG", Qt::CaseInsensitive) == 0 ? -1 : JpegQuality;
}
}
