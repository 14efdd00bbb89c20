#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program under a private X server with a fresh data folder
# and drives it as a user does: finds windows by caption, clicks buttons at
# their design places, answers prompt boxes, reads the clipboard and files.
# Usage: e2e.sh PROGRAM OUTDIR
set -uo pipefail
PROGRAM=$1
OUT=$2
export LC_ALL=C.UTF-8
mkdir -p "$OUT"
WORK=$(mktemp -d)
passed=0
failed=0
PID=

cleanup() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "${KEEP_E2E:-}" ] || rm -rf "$WORK"; [ -n "${KEEP_E2E:-}" ] && echo "kept $WORK"
}
trap cleanup EXIT

check() {  # check NAME COMMAND...
    local name=$1; shift
    if "$@"; then
        passed=$((passed + 1)); echo "PASS   : $name"
    else
        failed=$((failed + 1)); echo "FAIL!  : $name"
    fi
}

wait_for() {  # wait_for SECONDS COMMAND...: polls the condition
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}

# A private display; -displayfd picks a free number.
exec 5> "$WORK/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
XVFB_PID=$!
wait_for 10 test -s "$WORK/display" || { echo "FAIL!  : Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$WORK/display")

# The desktop's "open a document" lands here instead of starting programs.
mkdir -p "$WORK/bin"
cat > "$WORK/bin/xdg-open" <<SH
#!/bin/bash
printf '%b\\n' "\$(echo "\$1" | sed 's/%/\\\\x/g')" >> "$WORK/opened"
SH
chmod +x "$WORK/bin/xdg-open"

USER_HOME="$WORK/home"
mkdir -p "$USER_HOME"
DATA="$USER_HOME/.local/share/Tessellon"

start_program() {
    env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$USER_HOME" PATH="$WORK/bin:$PATH" QT_QPA_PLATFORM=xcb \
        "$PROGRAM" >> "$WORK/program.log" 2>&1 &
    PID=$!
}

find_window() {  # find_window TITLE-REGEX: prints the window id
    timeout 30 xdotool search --sync --onlyvisible --name "$1" 2> /dev/null | head -n 1
}

window_gone() { ! xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; }

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Twips to pixels for a button's middle: left, top, width, height.
middle() { echo $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)); }
px() { echo $((($1 + 7) / 15)); }  # twips to pixels, rounded as the program rounds

answer_prompt() {  # answer_prompt TITLE: accepts the default answer
    local w
    w=$(find_window "^$1\$") || return 1
    [ -n "$w" ] || return 1
    xdotool windowfocus --sync "$w" key Return
    wait_for 10 window_gone "^$1\$"
}

clipboard() { xclip -o -selection clipboard 2> /dev/null; }

ink_rows() {  # ink_rows IMAGE WxH+X+Y LEVEL: bands of scan lines averaging darker than LEVEL (0-255)
    local height=${2#*x}
    convert "$1" -crop "$2" +repage -colorspace Gray -scale "1x${height%%+*}!" -depth 8 txt:- 2> /dev/null |
        awk -F'[(,)]' -v level="$3" 'NR > 1 { ink = $3 + 0 < level; bands += ink && !was; was = ink } END { print bands + 0 }'
}
shows_rows() {  # shows_rows WINDOW WxH+X+Y LEVEL SHOT: a screenshot of the window holds 21 rows there
    import -window "$1" "$4" 2> /dev/null && [ "$(ink_rows "$4" "$2" "$3")" -eq 21 ]
}
bytes_of() { od -An -tx1 "$1" 2> /dev/null | tr -d ' \n'; }

# 1. First start: the splash hands over to the main window with the count 1.
start_program
MAIN=$(find_window '^Tessellon加强版    这是您第1次使用本软件！$')
check "first start caption" test -n "$MAIN"
[ -n "$MAIN" ] || { echo "0 passed, 1 failed"; cat "$WORK/program.log"; exit 1; }
check "count file after first start" test "$(bytes_of "$DATA/denglu.qbx")" = "2031200d0a"

# 2. 拼字 then 复制: the clipboard holds exactly the art the command line composes with no display.
env -u DISPLAY HOME="$WORK" "$PROGRAM" --print --crlf 顶 > "$WORK/expected.txt"
click "$MAIN" $(middle 4200 3000 975 375)
wait_for 10 test -f "$DATA/qbx.jpg"
# Every line whole above the progress bar: the last cell of each line is ▓.
check "all 21 lines shown in the output box" wait_for 10 shows_rows "$MAIN" 12x254+243+1 200 "$OUT/screenshot.png"
click "$MAIN" $(middle 5400 3000 975 375)
clipboard_is_art() { clipboard > "$WORK/clip.txt" && cmp -s "$WORK/clip.txt" "$WORK/expected.txt"; }
check "composed art on the clipboard" wait_for 10 clipboard_is_art

# 2b. The image view prints it whole with the default colours.
click "$MAIN" $(middle 4200 3600 975 375)
VIEW=$(find_window '^处理为图像$')
click "$VIEW" $(middle 120 3720 855 375)
answer_prompt 请设置图片背景色 && answer_prompt 请设置文字颜色
# Smoothed glyphs leave a faint fringe on the line between rows: that line stays lighter than 230.
check "all 21 rows printed in the picture" wait_for 10 shows_rows "$VIEW" 261x237+2+2 230 "$OUT/imageview.png"
click "$VIEW" $(middle 3000 3720 855 375)
wait_for 10 window_gone '^处理为图像$'

# 3. A stroke drawn in drawing mode along grid row 10, columns 4 to 14.
FRAME1_X=$(px 4200); FRAME1_Y=$(px 40)
click "$MAIN" $((FRAME1_X + (120 + 1320 + 1095 / 2) / 15)) $((FRAME1_Y + (2040 + 240 + 255 / 2) / 15))
PAD_X=$((FRAME1_X + 1560 / 15 + 1)); PAD_Y=$((FRAME1_Y + 240 / 15 + 1))
y=$((PAD_Y + 10 * 111 / 20))
xdotool mousemove --window "$MAIN" $((PAD_X + 4 * 111 / 20)) $y mousedown 1
for c in $(seq $((4 * 111 / 20)) 2 $((14 * 111 / 20))); do
    xdotool mousemove --window "$MAIN" $((PAD_X + c)) $y
done
xdotool mousemove --window "$MAIN" $((PAD_X + 14 * 111 / 20)) $y mouseup 1
# The program handles the clicks in order: the copy sees the new art.
click "$MAIN" $(middle 4200 3000 975 375)
click "$MAIN" $(middle 5400 3000 975 375)
stroke_on_clipboard() {
    clipboard | sed -n 11p | tr -d '\r' | grep -qx '▓▓▓▓顶顶顶顶顶顶顶顶顶顶顶▓▓▓▓▓▓'
}
check "stroke turned into inked cells" wait_for 10 stroke_on_clipboard
check "only the stroke is inked" test "$(clipboard | grep -o 顶 | wc -l)" -eq 11

# 4. The image view: 设置 with the default answers, then save the picture.
click "$MAIN" $(middle 4200 3600 975 375)
VIEW=$(find_window '^处理为图像$')
check "image view opens" test -n "$VIEW"
click "$VIEW" $(middle 120 3720 855 375)
check "background colour prompt answered" answer_prompt 请设置图片背景色
check "text colour prompt answered" answer_prompt 请设置文字颜色
click "$VIEW" $(middle 2040 3720 855 375)
SAVE=$(find_window '^保存图像$')
check "save window in picture mode" test -n "$SAVE"
click "$SAVE" $(middle 2760 840 2295 735)
check "picture saved as JPEG" wait_for 10 test "$(head -c 3 "$USER_HOME/顶.jpg" 2> /dev/null | od -An -tx1 | tr -d ' ')" = "ffd8ff"
check "saved picture opened" wait_for 10 grep -q "顶.jpg" "$WORK/opened"
# One clear line parts the rows; JPEG's halved colour resolution greys it to about 210-240.
check "all 21 rows in the saved picture" test "$(ink_rows "$USER_HOME/顶.jpg" 261x237+0+0 200)" -eq 21
check "folder remembered" test "$(cat "$DATA/qbx.ini" 2> /dev/null | tr -d '\r\n')" = "$USER_HOME/"

# 4b. Ctrl+C in the image view: the picture goes to the clipboard as an image.
wait_for 10 window_gone '^保存图像$'
xdotool windowfocus --sync "$VIEW" key ctrl+c
offers_png() { xclip -selection clipboard -t TARGETS -o 2> /dev/null | grep -qx image/png; }
check "copied picture offered as image/png" wait_for 10 offers_png
xclip -selection clipboard -t image/png -o > "$WORK/copied.png" 2> /dev/null
check "copied picture is the drawable area" test "$(identify -format %wx%h "$WORK/copied.png" 2> /dev/null)" = 261x237

# 5. 退出 closes the main window; the program ends with its last window.
click "$VIEW" $(middle 3000 3720 855 375)
wait_for 10 window_gone '^处理为图像$'
click "$MAIN" $(middle 5400 3600 975 375)
ABOUT=$(find_window '^关于Tessellon加强版$')
check "About window opens" test -n "$ABOUT"
click "$MAIN" $(middle 6600 3600 975 375)
check "main window closes" wait_for 10 window_gone '^Tessellon加强版 '
program_ended() { ! kill -0 "$PID" 2> /dev/null; }
check "program runs on while the About window is open" kill -0 "$PID"
[ -n "$ABOUT" ] && click "$ABOUT" $(middle 4125 2640 1500 345)
check "program ends with its last window" wait_for 10 program_ended
PID=
check "working files removed" test ! -e "$DATA/qbx.jpg" -a ! -e "$DATA/qbx.ini"
check "count stored for the next start" test "$(bytes_of "$DATA/denglu.qbx")" = "2032200d0a"

# 6. The second start shows the count read from the file, with its spaces.
start_program
SECOND=$(find_window '^Tessellon加强版    这是您第 2 次使用本软件！$')
check "second start caption" test -n "$SECOND"
[ -n "$SECOND" ] && click "$SECOND" $(middle 6600 3600 975 375)
check "second exit" wait_for 10 program_ended
PID=

no_sanitizer_report() { ! grep -q -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$WORK/program.log"; }
check "no sanitizer report from the program" no_sanitizer_report
no_sanitizer_report || cat "$WORK/program.log"

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
