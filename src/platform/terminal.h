// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdio>

// What a standard stream is connected to, and how wide the terminal is.
namespace Terminal
{
// True when the stream goes to a terminal (a console on Windows), not into a
// file, a pipe or the null device.
bool isTerminal(FILE *stream);
// The columns of the terminal that standard output goes to; when it goes
// elsewhere, the COLUMNS variable, else 80.
int standardOutputColumns();
// The text as one word for the shell a user types commands in, to quote in
// advice: '　' for POSIX shells; "　" on Windows, which cmd and PowerShell
// both take whole.
QString quoted(const QString &text);
}
