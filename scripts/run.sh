#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and starts Tessellon加强版.
source "$(dirname "$0")/common.sh"
install_missing
build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "没有图形显示（DISPLAY 未设置），程序已构建但无法启动 / no display: built, but cannot start the program" >&2
    exit 1
fi
exec "$BUILD/src/app/tessellon"
