// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

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
// A text as terminals and tmux lay it out, the sum of its code points' widths
// (glibc's wcswidth()): a flag is two columns, a pair of leading jamo four.
int columns(const QString &text, Ambiguous ambiguous = Ambiguous::Narrow);

// Columns in the classic Chinese fonts, where every double-byte character is
// two columns and an ASCII character one, whatever the font's own advances:
// one grapheme takes its first character's width.
int fontColumns(QStringView grapheme);
// The sum of that over a text's graphemes.
int fontColumns(const QString &text);
// Calls grapheme(text, fontColumns) for each grapheme of the text in order.
void forEachGrapheme(const QString &text, const std::function<void(QStringView, int)> &grapheme);
// The text's advance in the font, fallback fonts included.
qreal pixels(const QString &text, const QFont &font);
}
