#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: under a private X server and a
# private D-Bus session bus with the AT-SPI registry, driven through AT-SPI
# alone (atspi.py). Exits 77, the skip status, with the reason when a piece
# of that desktop is missing. Usage: atspi.sh PROGRAM
set -uo pipefail
PROGRAM=$1
skip() { echo "SKIP: $*"; exit 77; }
command -v xvfb-run > /dev/null || skip "xvfb-run is missing (Debian package xvfb)"
command -v dbus-run-session > /dev/null || skip "dbus-run-session is missing (Debian package dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the AT-SPI bus launcher is missing (Debian package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null || skip "pyatspi is missing (Debian package python3-pyatspi)"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/home" "$WORK/run"
chmod 700 "$WORK/run"
# A fresh user: no count file, no remembered folder, no desktop settings.
export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" XDG_CONFIG_HOME="$WORK/home/.config"
export LC_ALL=C.UTF-8
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/atspi.py" "$PROGRAM"
