// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFont;

// How wide a cell text shows where the art is pasted: in a terminal's columns
// (East Asian Width) or in a font's pixels.
namespace DisplayWidth
{
// Characters of ambiguous East Asian Width take one column in most
// terminals, two in a terminal set to wide ambiguous characters.
enum class Ambiguous { Narrow, Wide };

// One code point: 0 for combining marks and zero-width characters, 2 for wide
// and full-width ones, 1 otherwise.
int columns(char32_t codePoint, Ambiguous ambiguous);
// A text, grapheme by grapheme: each takes the widest of its code points, and
// a variation selector for emoji presentation makes it two columns.
int columns(const QString &text, Ambiguous ambiguous = Ambiguous::Narrow);
// The text's advance in the font, fallback fonts included.
qreal pixels(const QString &text, const QFont &font);
}
