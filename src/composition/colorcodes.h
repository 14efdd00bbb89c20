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
// The answer as a 16-bit whole number, halves rounded to even; nothing
// for an empty answer, a non-number or one too large.
std::optional<int> rounded(const QString &answer);
// The code 1 to 8 the answer equals as a number (1.0 is 1, 2.5 is none).
std::optional<int> exact(const QString &answer);
}
