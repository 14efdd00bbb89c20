// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
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
// preference, the installed ones first: in each, a double-byte character is
// two Latin letters wide.
QString fontFamilies();
// The art's text size and fixed line height on a page.
inline constexpr int HtmlFontPixels = 16;
inline constexpr int HtmlLinePixels = 18;

// A standalone UTF-8 page, made of a start, the art's blocks and an end.
// Without a title the page has none (a pasted page brings no stray text).
QString htmlStart(const QString &title = {});
// The art in a <pre> that keeps its columns: the fonts above, a fixed line
// height, and the colours when there are any.
QString htmlPre(const QString &art, const std::optional<Colours> &colours = {});
QString htmlEnd();
// One art on a page of its own, as the clipboard offers it.
QString htmlPage(const QString &art);

// Arts as the image view prints them, in scalable text, one under another
// in one document: each at the layout of its picture (scale times the area's
// size, grown to hold it whole), the background filled with back and every
// character in text, centred in its cell.
QByteArray svg(const QStringList &arts, const Colours &colours, int scale = 1);

// The art for terminals, with 24-bit colour escapes: every cell in the text
// colour on the background colour, as in the picture, and every line reset
// to the terminal's own colours before its end.
QString ansi(const ArtGrid &art, const Colours &colours, QStringView lineEnd);
}
