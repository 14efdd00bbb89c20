// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <optional>

class ArtGrid;

// The art in the forms it leaves the program in besides plain text: HTML for
// rich text targets, SVG, and colour escapes for terminals. The art is given
// as the output box holds it, every line ended by CR LF.
namespace ArtExport
{
struct Colours
{
    QColor back, text;
};

// Monospaced fonts with Chinese characters, for CSS and SVG, in order of
// preference: in each, a double-byte character is two Latin letters wide.
QString fontFamilies();

// A standalone UTF-8 page, made of a start, the art's blocks and an end.
// Without a title the page has none (a pasted page brings no stray text).
QString htmlStart(const QString &title = {});
// The art in a <pre> that keeps its columns: the fonts above, line height 1,
// and the colours when there are any.
QString htmlPre(const QString &art, const std::optional<Colours> &colours = {});
QString htmlEnd();
// One art on a page of its own, as the clipboard offers it.
QString htmlPage(const QString &art);

// The art as the image view prints it, in scalable text: the picture area's
// font, line pitch and size (grown to hold the art whole), the background
// filled with back and every character in text; width and height are scale
// times the area's.
QByteArray svg(const QString &art, const Colours &colours, int scale = 1);

// The art for terminals, with 24-bit colour escapes: ink cells in the text
// colour, the others in the background colour, and every line reset to the
// terminal's own colours before its end.
QString ansi(const ArtGrid &art, const Colours &colours, QStringView lineEnd);
}
