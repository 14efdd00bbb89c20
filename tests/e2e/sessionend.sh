#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, off screen, ended by the system instead of by its window:
# each ending stores the count once and removes the working files.
# Usage: sessionend.sh PROGRAM
set -uo pipefail
PROGRAM=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
DATA="$WORK/.local/share/Tessellon"
failed=0

wait_for() {  # wait_for SECONDS COMMAND...
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.05
    done
}
count() { od -An -tx1 "$DATA/denglu.qbx" 2> /dev/null | tr -d ' \n'; }
counted() { [ "$(count)" = "$1" ]; }
# The main window wrote the count of this start: " N \r\n".
number() { printf ' %s \r\n' "$1" | od -An -tx1 | tr -d ' \n'; }

n=1
for signal in TERM HUP INT; do
    rm -f "$DATA/denglu.qbx.lock"
    env -u XDG_DATA_HOME HOME="$WORK" QT_QPA_PLATFORM=offscreen "$PROGRAM" > "$WORK/log" 2>&1 &
    pid=$!
    # The main window has started once it has taken the count's lock; a
    # working file left from the run stands for the picture it made.
    if wait_for 30 test -e "$DATA/denglu.qbx.lock" && wait_for 10 counted "$(number $n)" && : > "$DATA/qbx.jpg" \
        && kill -s "$signal" $pid \
        && wait $pid \
        && counted "$(number $((n + 1)))" && [ ! -e "$DATA/qbx.jpg" ]; then
        echo "PASS   : SIG$signal stores the count $((n + 1)) and removes the working files"
    else
        echo "FAIL!  : SIG$signal (count $(count))"; cat "$WORK/log"; kill $pid 2> /dev/null
        failed=1
    fi
    n=$((n + 1))
done
start() {  # start: the program in the background, its pid in $pid
    env -u XDG_DATA_HOME HOME="$WORK" QT_QPA_PLATFORM=offscreen "$PROGRAM" > "$WORK/log" 2>&1 &
    pid=$!
}
# ended_within TENTHS: the program has ended within that many tenths of a second.
ended_within() {
    local i
    for ((i = 0; i < $1; i++)); do
        kill -0 $pid 2> /dev/null || { wait $pid; return 0; }
        sleep 0.1
    done
    kill -9 $pid 2> /dev/null
    return 1
}

# During the splash: nothing refuses to close, no count is kept yet.
start
sleep 0.5
kill -s TERM $pid
if ended_within 10; then
    echo "PASS   : SIGTERM during the splash ends the program"
else
    echo "FAIL!  : SIGTERM during the splash"; cat "$WORK/log"; failed=1
fi

# The count cannot be stored (its name is taken by a folder): said on standard error, no box waits for an answer.
rm -f "$DATA/denglu.qbx.lock"
start
if wait_for 30 test -e "$DATA/denglu.qbx.lock" && sleep 0.5 && rm "$DATA/denglu.qbx" && mkdir "$DATA/denglu.qbx" \
    && kill -s TERM $pid && ended_within 10 && grep -q "无法保存使用次数" "$WORK/log"; then
    echo "PASS   : SIGTERM with the count unwritable says so on standard error and ends"
else
    echo "FAIL!  : SIGTERM with the count unwritable"; cat "$WORK/log"; kill -9 $pid 2> /dev/null; failed=1
fi
rmdir "$DATA/denglu.qbx" 2> /dev/null
exit $failed
