#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) in build-fuzz/
# and runs each for SECONDS, two at a time. Each starts from its corpus in
# tests/fuzz/corpus/<target>/ (what it finds on the way stays in
# build-fuzz/corpus/); an input that fails is copied into that corpus, where
# the normal suite replays it, and the run fails.
# Usage: scripts/fuzz.sh [SECONDS]
source "$(dirname "$0")/common.sh"
install_missing
set +e
root=$ROOT
seconds=${1:-60}
build="$root/build-fuzz"
targets=(picture textfile cli export)
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTESSELLON_FUZZ=ON \
    -DTESSELLON_BENCHMARKS=OFF "${launcher[@]}" > "$build/build.log" 2>&1 \
    && nice cmake --build "$build" --parallel 2 --target "${targets[@]/#/fuzz_}" >> "$build/build.log" 2>&1 \
    || { tail -30 "$build/build.log"; echo "fuzz: the build failed (whole log: $build/build.log)"; exit 1; }

run() {  # run TARGET: one target for the given time; its log in build-fuzz/<target>.log
    local target=$1 work="$build/corpus/$1" crashes="$build/crashes/$1"
    mkdir -p "$work" "$crashes"
    rm -f "$crashes"/*
    # Leaks are Qt's own caches, kept to the end of the process: not looked for.
    env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 HOME="$build/home" \
        "$build/tests/fuzz/fuzz_$target" "$work" "$root/tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$crashes/" > "$build/$target.log" 2>&1
}

status=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for target in "${targets[@]:i:2}"; do
        run "$target" &
        pids+=($!)
    done
    wait "${pids[@]}"
done
for target in "${targets[@]}"; do
    runs=$(grep -o 'Done [0-9]* runs' "$build/$target.log" | grep -o '[0-9]*' | tail -1)
    found=("$build/crashes/$target"/*)
    if [ -e "${found[0]}" ]; then
        for input in "${found[@]}"; do
            cp "$input" "$root/tests/fuzz/corpus/$target/$(basename "$input")"
        done
        echo "FAIL   : $target: ${#found[@]} failing input(s) kept in tests/fuzz/corpus/$target/ (log: $build/$target.log)"
        grep -m1 -A12 'ERROR:\|runtime error' "$build/$target.log"
        status=1
    elif [ -z "$runs" ]; then
        echo "FAIL   : $target did not finish (log: $build/$target.log)"; tail -20 "$build/$target.log"
        status=1
    else
        echo "PASS   : $target: $runs runs in $seconds s, nothing found"
    fi
done
exit $status
