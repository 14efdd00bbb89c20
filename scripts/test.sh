#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the whole test suite headless:
# once as built for use, once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
source "$(dirname "$0")/common.sh"
install_missing
export QT_QPA_PLATFORM=offscreen

build "$BUILD"
(cd "$BUILD" && ctest --output-on-failure --timeout 300 -j "$(nproc)")

build "$ROOT/build-sanitize" -DTESSELLON_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$ROOT/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The package check builds nothing new under the sanitizers, nor do the other
# programs that show the outputs: left to the first run.
(cd "$ROOT/build-sanitize" && ctest --output-on-failure --timeout 600 -j "$(nproc)" -E install_layout -LE clients)
