// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

// Every fuzz target's entry point, called with one input at a time, by
// libFuzzer or by the replay of the corpus.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// The application the targets draw and read pictures with, created on the
// first input and kept: off screen, as the command line draws.
inline void fuzzApplication()
{
    static int argc = 3;
    static char name[] = "fuzz", option[] = "-platform", platform[] = "offscreen";
    static char *argv[] = {name, option, platform, nullptr};
    static QGuiApplication app(argc, argv);
}
