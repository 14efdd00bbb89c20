// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line's standard input, output and error as the program found
// them.
namespace StandardStreams
{
struct Closed
{
    bool input = false;
    bool output = false;
};

// Call first thing: notes which streams were closed when the program
// started and puts the null device in their place, so that no file the
// program opens later is taken for one of them; a write to a closed pipe
// then fails with its reason instead of ending the program unannounced.
Closed guard();
}
