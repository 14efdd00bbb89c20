#!/usr/bin/env bash
# Re-takes the README's screenshot: the main window after one composition,
# under a private X server. Usage: scripts/screenshot.sh [program] [output.png]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=${1:-$ROOT/build/src/app/tessellon}
OUT=${2:-$ROOT/docs/screenshot.png}
mkdir -p "$(dirname "$OUT")"
HOME_DIR=$(mktemp -d)
DISPLAY_NUM=:$((90 + RANDOM % 100))
Xvfb "$DISPLAY_NUM" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
trap 'kill $PROGRAM_PID $XVFB 2>/dev/null || true; rm -rf "$HOME_DIR"' EXIT
export DISPLAY=$DISPLAY_NUM
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
HOME=$HOME_DIR QT_QPA_PLATFORM=xcb "$PROGRAM" &
PROGRAM_PID=$!
WID=$(xdotool search --sync --onlyvisible --name '^Tessellon加强版 ' | head -n 1)
# "拼字(&P)" sits at 4200, 3000 twips, 975 × 375 in size.
xdotool mousemove --window "$WID" $((4200 / 15 + 30)) $((3000 / 15 + 12)) click 1
sleep 0.3
import -window "$WID" "$OUT"
echo "$OUT"
