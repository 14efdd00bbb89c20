// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// The names Windows will not create a file under, judged from the text
// alone so that every system can check them.
namespace WindowsNames
{
// Why Windows refuses the path ("C:/folder/name.txt", either slash), in the
// user's words: a character it keeps for itself, a name ending in a dot or
// a space, a device name (CON, NUL, COM1…, with any extension), a name or
// path too long. Nothing when the path can be written.
std::optional<QString> refusal(const QString &path);
}
