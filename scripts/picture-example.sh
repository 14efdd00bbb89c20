#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-makes docs/picture.png for the README: a photo (scikit-image's "camera",
# from python3-skimage) beside the 21 × 21 art that `tessellon --print
# --from-picture` makes of it by default, each ink cell a black block.
# Needs a build (scripts/run.sh) and python3-skimage, python3-pil.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=${1:-$ROOT/build/src/app/tessellon}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 -c "
import sys
from PIL import Image
from skimage import data
Image.fromarray(data.camera()).save(sys.argv[1])" "$work/camera.png"
HOME="$work" QT_QPA_PLATFORM=offscreen "$PROGRAM" --print --from-picture "$work/camera.png" --fg '#' --bg . \
    > "$work/art.txt"
/usr/bin/python3 -c "
import sys
from PIL import Image
cell, gap = 12, 12
rows = open(sys.argv[1], encoding='utf-8').read().split()
side = cell * len(rows)
sheet = Image.new('L', (2 * side + 3 * gap, side + 2 * gap), 255)
sheet.paste(Image.open(sys.argv[2]).convert('L').resize((side, side), Image.LANCZOS), (gap, gap))
for r, row in enumerate(rows):
    for c, ch in enumerate(row):
        if ch == '#':
            sheet.paste(0, (2 * gap + side + c * cell, gap + r * cell, 2 * gap + side + (c + 1) * cell, gap + (r + 1) * cell))
sheet.save(sys.argv[3], optimize=True)" "$work/art.txt" "$work/camera.png" "$ROOT/docs/picture.png"
echo "$ROOT/docs/picture.png"
