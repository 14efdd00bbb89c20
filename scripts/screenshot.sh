#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-takes the README's screenshots (the main window after one composition,
# the image view after 设置 with the default colours) by running the
# end-to-end suite, which takes them under a private X server.
source "$(dirname "$0")/common.sh"
install_missing
build
bash "$ROOT/tests/e2e/e2e.sh" "$BUILD/src/app/tessellon" "$BUILD/tests/e2e/out"
mkdir -p "$ROOT/docs"
for shot in screenshot imageview; do
    cp "$BUILD/tests/e2e/out/$shot.png" "$ROOT/docs/$shot.png"
    echo "$ROOT/docs/$shot.png"
done
