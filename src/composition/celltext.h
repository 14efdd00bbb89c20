// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the glyph and the cell texts may hold. A row of the art ends with
// CR LF, so a text that breaks a line (line or paragraph separators, tabs,
// any other control character) is never a valid cell; nor is a text longer
// than the boxes take.
namespace CellText
{
// The most characters (UTF-16 units) a box takes. Longer than any cell the
// composition accepts (2,164 letters), short enough that typing, pasting and
// the blinking cursor stay cheap even when the whole text is one cluster of
// combining marks: with 4,096 such marks a focused box kept the idle program
// at 7% of a processor, 55 ms to paste (bench_layout).
constexpr int MaxLength = 2500;

enum class Box { Glyph, Foreground, Background };

// The box's name as its label gives it ("前景字").
QString name(Box box);

// Empty when the text fits the box; otherwise why not, in a sentence that
// names the box.
QString refusal(const QString &text, Box box);
}
