// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command-line mode: text art printed to standard output, with no window,
// no display and no working file.
namespace CommandLine {

// True when the arguments are for the command line: --print, --help,
// --version or any other option but Qt's own window-system ones, which
// still go to the windows.
bool requested(int argc, char *argv[]);

// Runs the command line to its end; the result is the exit status.
int run(int argc, char *argv[]);

}
