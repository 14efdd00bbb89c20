#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
source "$(dirname "$0")/common.sh"
install_missing
build
export QT_QPA_PLATFORM=offscreen
cd "$BUILD"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
