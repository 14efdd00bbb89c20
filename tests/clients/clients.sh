#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's own outputs, shown in the programs people paste them into:
#   writer    the HTML in LibreOffice Writer, converted to PDF: every character on
#             one grid, every row's right edge within 1 pt of the others;
#   rsvg      the SVG in librsvg: as wide as the PNG picture (within 1 %), several
#             glyphs one document that it draws;
#   chromium  the SVG and the HTML in headless Chromium: the SVG as wide as the
#             PNG, the page's rows ending in one column;
#   ocr       the default picture read by tesseract (chi_sim), 4 times enlarged in
#             grey: at least half of 441 福, and each glyph of a banner;
#   xterm     the ANSI art in xterm under Xvfb on a white and on a black
#             background: no character cell left in the terminal's colour.
# A client that is not installed makes its check skip (status 77) with the reason.
# Usage: clients.sh CHECK PROGRAM
set -uo pipefail
CHECK=$1
PROGRAM=$(realpath "$2")
[ -x "$PROGRAM" ] || { echo "FAIL!  : no program at $2"; exit 1; }
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
WORK=$(mktemp -d)
export HOME=$WORK
trap '[ -n "${KEEP_CLIENTS:-}" ] && echo "kept $WORK" || rm -rf "$WORK"' EXIT
cd "$WORK" || exit 1
failed=0

need() {  # need PROGRAM...: skips the check when one is missing
    for p in "$@"; do
        command -v "$p" >/dev/null || { echo "SKIP   : $CHECK: $p is not installed (scripts/test.sh installs it)"; exit 77; }
    done
}
check() {  # check NAME CONDITION...
    local name=$1; shift
    if "$@"; then echo "PASS   : $name"; else echo "FAIL!  : $name"; failed=1; fi
}
art() {  # art OUT ARGUMENTS...
    local out=$1; shift
    "$PROGRAM" --print "$@" >"$out" || { echo "FAIL!  : tessellon --print $*"; failed=1; }
}
# The ink's box in a picture as "W H X Y", what is not the colour of the corner pixel.
inkbox() { convert "$1" -fuzz 5% -trim -format '%w %h %X %Y' info: | tr -d '+'; }
within() {  # within A B PERCENT
    awk -v a="$1" -v b="$2" -v p="$3" 'BEGIN { d = a - b; if (d < 0) d = -d; exit !(a > 0 && b > 0 && d * 100 <= p * b) }'
}
chrome() {  # chrome URL SIZE OUT
    timeout 60 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor=1 \
        --window-size="$2" --screenshot="$WORK/$3" "$1" >/dev/null 2>&1
}

case $CHECK in
writer)
    need soffice pdftotext
    art default.html --format html 顶
    art space.html --format html --bg '　' 顶
    art banner.html --format html --join --size 9 新年快乐
    timeout 120 soffice --headless -env:UserInstallation="file://$WORK/lo" --infilter="HTML (StarWriter)" \
        --convert-to pdf default.html space.html banner.html >/dev/null 2>&1
    for name in default space banner; do
        pdftotext -bbox "$name.pdf" "$name.box" 2>/dev/null || { check "$name: Writer made a PDF" false; continue; }
        # Words' edges against the 12 pt grid (16 px cells) from the leftmost, and each row's right edge.
        read -r words off rows spread < <(sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)" xMax="\([0-9.]*\)".*/\1 \2 \3/p' \
            "$name.box" | awk '
            { x0[NR] = $1; x1[NR] = $3; y = sprintf("%.0f", $2); if (!(y in right) || $3 > right[y]) right[y] = $3
              if (NR == 1 || $1 < left) left = $1 }
            function off(x,  d) { d = (x - left) % 12; return d > 1 && d < 11 }
            END { n = 0; for (i = 1; i <= NR; ++i) n += off(x0[i]) + off(x1[i])
                  lo = 1e9; hi = 0; r = 0; for (y in right) { ++r; if (right[y] < lo) lo = right[y]; if (right[y] > hi) hi = right[y] }
                  print NR, n, r, hi - lo }')
        check "$name: all $words words on the 12 pt grid in Writer ($off edges off it)" \
            awk -v w="$words" -v o="$off" 'BEGIN { exit !(w > 0 && o == 0) }'
        if [ "$name" != space ]; then
            check "$name: $rows rows end within 1 pt (spread $spread pt)" \
                awk -v s="$spread" -v r="$rows" 'BEGIN { exit !(s <= 1 && r >= 9) }'
        fi
    done
    ;;
rsvg | chromium)
    if [ "$CHECK" = rsvg ]; then need rsvg-convert convert; else need chromium convert; fi
    for scale in 1 4; do
        art "p$scale.svg" --format svg --scale "$scale" 顶
        "$PROGRAM" --print --scale "$scale" --picture "p$scale.png" 顶 >/dev/null
        read -r png _ < <(inkbox "p$scale.png")
        size=$(identify -format '%wx%h' "p$scale.png")
        if [ "$CHECK" = rsvg ]; then
            rsvg-convert "p$scale.svg" -o "s$scale.png"
        else
            chrome "file://$WORK/p$scale.svg" "${size/x/,}" "s$scale.png"
        fi
        read -r svg _ < <(inkbox "s$scale.png")
        check "scale $scale: the art is ${svg:-no} px wide in $CHECK, $png px in the picture" within "${svg:-0}" "$png" 1
    done
    if [ "$CHECK" = rsvg ]; then
        art two.svg --format svg 顶 福
        check "two glyphs: one document that librsvg draws" rsvg-convert two.svg -o two.png
        check "two glyphs: the arts one under another" test "$(identify -format '%h' two.png)" = 474
    else
        # The page's rows, 18 px apart: each ends where the widest does.
        art page.html --format html 顶
        chrome "file://$WORK/page.html" 800,600 page.png
        read -r w h x y < <(inkbox page.png)
        bad=0
        for r in $(seq 0 20); do
            read -r rw _ rx _ < <(convert page.png -crop "${w}x18+$x+$((y + r * 18))" +repage -fuzz 5% -trim \
                -format '%w %h %X %Y' info: | tr -d '+')
            [ $((x + rx + rw)) -ge $((x + w - 1)) ] || bad=$((bad + 1))
        done
        check "page: all 21 rows end in one column in Chromium ($bad do not)" test "$bad" = 0
    fi
    ;;
ocr)
    need tesseract convert
    tesseract --list-langs 2>/dev/null | grep -qx chi_sim || { echo "SKIP   : ocr: tesseract has no chi_sim"; exit 77; }
    read_picture() { convert "$1" -resize 400% -colorspace gray big.png && tesseract big.png - -l chi_sim --psm 6 2>/dev/null; }
    "$PROGRAM" --print --fg 福 --bg 福 --picture fu.png 顶 >/dev/null
    n=$(read_picture fu.png | grep -o 福 | wc -l)
    check "default picture: tesseract reads $n of 441 福" test "$n" -ge 221
    "$PROGRAM" --print --join --bg '　' --picture banner.png 新年快乐 >/dev/null
    text=$(read_picture banner.png)
    for g in 新 年 快 乐; do
        check "banner: tesseract finds $g" grep -q "$g" <<<"$text"
    done
    ;;
xterm)
    need xterm Xvfb convert xdotool
    art art.ansi --format ansi 顶
    art art.txt 顶
    # A private display; -displayfd picks a free number.
    exec 5>"$WORK/display"
    Xvfb -displayfd 5 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB=$!
    trap 'kill $XVFB 2>/dev/null; [ -n "${KEEP_CLIENTS:-}" ] && echo "kept $WORK" || rm -rf "$WORK"' EXIT
    for i in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n 1 "$WORK/display")
    for bg in white black; do
        xterm -geometry 100x30+0+0 -bg "$bg" -fg grey50 -fa 'WenQuanYi Zen Hei Mono' -fs 14 -b 0 \
            -e sh -c "printf '\033[?25l'; cat '$WORK/art.ansi'; sleep 3" &
        TERM_PID=$!
        # The terminal's own window, once the art is in it.
        WID=$(timeout 20 xdotool search --sync --pid $TERM_PID | head -1)
        sleep 1
        import -window "$WID" "$bg.png"
        kill $TERM_PID 2>/dev/null; wait $TERM_PID 2>/dev/null
        # Each character's cells in its text row (▓ one column, 顶 two, the column width from the first row,
        # all ▓): some pixel in them is not the terminal's colour.
        read -r w h x y < <(convert "$bg.png" -fuzz 1% -trim -format '%w %h %X %Y' info: | tr -d '+')
        rowh=$((${h:-0} / 21))
        check "$bg terminal: the art is there (${h:-no} px tall)" test "$rowh" -ge 8 || continue
        read -r first _ < <(convert "$bg.png" -crop "${w}x${rowh}+$x+$y" +repage -fuzz 1% -trim -format '%w %h' info:)
        missing=0
        for r in $(seq 0 20); do
            flags=$(convert "$bg.png" -crop "${w}x$((rowh - 2))+$x+$((y + r * rowh + 1))" +repage -colorspace gray \
                $([ "$bg" = white ] && echo -negate) -scale "${w}x1!" -depth 8 txt:- |
                awk -F'[(),]' 'NR > 1 { printf "%d", ($4 + 0 > 0) }')
            widths=$(sed -n "$((r + 1))p" art.txt | sed 's/▓/1 /g; s/顶/2 /g')
            missing=$((missing + $(awk -v f="$flags" -v w="$widths" -v cw="$((first * 100 / 21))" 'BEGIN {
                n = split(w, cells, " "); col = 0; bad = 0
                for (i = 1; i <= n; ++i) {
                    from = int(col * cw / 100); to = int((col + cells[i]) * cw / 100); col += cells[i]
                    if (index(substr(f, from + 1, to - from), "1") == 0) ++bad
                }
                print bad }')))
        done
        check "$bg terminal: no cell in the terminal's colour ($missing are)" test "$missing" = 0
    done
    ;;
*)
    echo "unknown check $CHECK"; exit 2 ;;
esac
exit $failed
