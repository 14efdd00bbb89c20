// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>

// The fonts the windows are designed for, mapped onto free fonts with the
// same metrics, and the windows' default font. Each font that shows art comes
// with the line pitch that art is laid out at.
namespace Fonts
{
void install();
// The fonts the windows and the art are designed for, the art's default first.
QStringList designedFamilies();
// Where a user puts a downloaded font so that every program finds it (and
// what to run then), as the usage tips say it.
QString installPlace();
// Every name a font can be chosen by: the designed fonts first, then the
// installed families.
QStringList listed();
// The font a design names, whole: sized for the 96 dpi screen the twips of
// the layout are counted at, every other property set too, so the control
// takes nothing from the desktop's font, whatever the desktop sets.
QFont designed(const QString &family, qreal points, bool bold = false);
// 宋体 9 pt: every double-byte character exactly two spaces wide.
QFont defaultFont();
// The art in the output box is laid out at 宋体's own line pitch: its 21
// lines take 252 px.
inline constexpr int ArtLinePitch = 12;
// A font for the picture canvases: given pixel metrics and pure black ink.
QFont canvasFont(const QString &family, qreal pointSize, bool bold);
// 楷体_GB2312, as the titles and the large buttons use it.
QFont kaiti(qreal pointSize, bool bold);

// The art as printed into a picture: 宋体 at 11 px (or pixels), smoothed so
// that every stroke shows, and 12/11 as wide. Its ink is at most 10 px tall
// at 11 px; each
// character is placed in a cell PictureCellWidth px wide (half that for an
// ASCII one), whatever its advance: 21 cells span 252 of the picture area's
// 261 px on every system.
inline constexpr int PictureFontPixels = 11;
QFont pictureFont(int pixels = PictureFontPixels);
inline constexpr int PictureCellWidth = 12;
// 21 rows of 11 px fit the 237 px picture area with a clear line between
// rows and nothing of the last one cut off.
inline constexpr int PictureLinePitch = 11;

// Families that pages and drawings name for the art, in order: the one the
// art is printed in here, the other installed Chinese monospaced fonts, then
// the names such fonts have on Windows and phones. Programs that take only
// the first name of a list get one that is installed.
QStringList artFamilies();
}
