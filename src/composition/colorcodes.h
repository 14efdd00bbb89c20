// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <optional>

// The eight colour codes the user answers with.
namespace ColorCodes
{
QString prompt();
// The colour of a code 1 to 8; nothing for any other number.
std::optional<QColor> color(int code);
enum class Match {
    Rounded,  // the nearest whole number, halves to the even one: 3.5 is 4, 2.5 is 2
    Exact,    // the number itself: 1.0 is 1, 2.5 is none
};
// The code 1 to 8 that an answer names; nothing for an empty answer, a
// non-number or any other number.
std::optional<int> code(const QString &answer, Match match);
// The colour as the prompt names it (the first of equal ones), or by its
// red, green and blue values when it is none of the eight.
QString name(const QColor &color);
}
