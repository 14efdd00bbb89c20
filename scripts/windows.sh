#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program here (MinGW-w64 cross build), runs the test
# suite under Wine, writes the setup program and the portable zip, and checks
# that the setup installs silently and the installed program prints art.
#
# Qt for Windows: QT_MINGW if set, else ../shared/qt6-mingw beside the
# checkout, else one built once with ../shared/qt6-mingw-recipe into
# ~/.cache/tessellon (about 50 minutes on 2 cores).
source "$(dirname "$0")/common.sh"
PACKAGES=(g++-mingw-w64-x86-64-posix nsis wine64 xvfb xauth imagemagick cmake make locales
          qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-wqy-zenhei fonts-arphic-ukai fonts-noto-cjk)
install_missing
# Wine takes the code page from the locale's name (zh_CN: 936) and maps file
# names through the locale's character set, which must be UTF-8.
locale -a | grep -qi '^zh_CN.utf8$' || localedef -i zh_CN -f UTF-8 zh_CN.UTF-8

CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/tessellon"
# ../shared beside the checkout, or beside the main checkout of a worktree.
SHARED=$(cd "$ROOT/.." && pwd)/shared
if [ ! -d "$SHARED" ] && common=$(git -C "$ROOT" rev-parse --path-format=absolute --git-common-dir 2>/dev/null); then
    SHARED=$(cd "$common/../.." && pwd)/shared
fi
if [ -z "${QT_MINGW:-}" ]; then
    QT_MINGW="$SHARED/qt6-mingw"
    if [ ! -f "$QT_MINGW/lib/cmake/Qt6/Qt6Config.cmake" ]; then
        QT_MINGW="$CACHE/qt6-mingw-6.4.2"
        if [ ! -f "$QT_MINGW/lib/cmake/Qt6/Qt6Config.cmake" ]; then
            echo "Building Qt for Windows once into $QT_MINGW (about 50 minutes)"
            mkdir -p "$CACHE/qt6-mingw-work"
            bash "$SHARED/qt6-mingw-recipe/build-qt6-mingw.sh" "$QT_MINGW" "$CACHE/qt6-mingw-work"
            rm -rf "$CACHE/qt6-mingw-work"
        fi
    fi
fi

# Its real path: Qt's package files find their parts by it, not through a link.
QT_MINGW=$(cd "$QT_MINGW" && pwd -P)

WINBUILD="${WINDOWS_BUILD_DIR:-$ROOT/build-windows}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$ROOT" -B "$WINBUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DQT_MINGW_PREFIX="$QT_MINGW" -DCMAKE_BUILD_TYPE=Release -DTESSELLON_WERROR=ON \
    -DTESSELLON_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$WINBUILD" --parallel "$(nproc)"

# Wine (Debian's wine64 alone has no `wine` on PATH) with a prefix of its own.
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINE WINEPREFIX="${WINEPREFIX:-$CACHE/wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
winpath() { "$WINE" winepath -w "$1" 2>/dev/null; }
WINESERVER="$(dirname "$WINE")/wineserver"
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
mkdir -p "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1 || true
# A server started without a display gives the tests no windows: the tests
# start their own inside the X display.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w 2>/dev/null || true

# Every test program under Wine, on the windows platform (the offscreen one
# finds no fonts there) and one X display, as on a Chinese Windows (code page
# 936: Wine takes it from the locale's name). Qt Test writes its results to
# a file: its output does not reach a pipe under Wine.
run_tests() {
    export LC_ALL=zh_CN.UTF-8
    local failed=0 results="$WINBUILD/wine-results"
    rm -rf "$results" && mkdir -p "$results"
    export WINEPATH="$(winpath "$QT_MINGW/bin");$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
    export QT_PLUGIN_PATH="$(winpath "$QT_MINGW/plugins")" QT_QPA_PLATFORM=windows
    # The server and its desktop up in this display before the first test.
    "$WINE" wineboot >/dev/null 2>&1 || true
    for test in "$WINBUILD"/tst_*.exe; do
        local name result
        name=$(basename "$test" .exe)
        result="$results/$name.txt"
        local started=$SECONDS
        local status=0
        WINEDEBUG=-all,err+all timeout 600 "$WINE" "$test" -o "$(winpath "$result"),txt" >"$results/$name.log" 2>&1 || status=$?
        if [ $status -eq 0 ]; then
            echo "PASS  $name ($(grep -a -c '^SKIP' "$result") skipped, $((SECONDS - started)) s)"
        else
            echo "FAIL  $name (status $status, $((SECONDS - started)) s)"
            if [ -s "$result" ]; then
                grep -a -E '^(FAIL|SKIP)|Loc:' "$result" || cat "$result"
            else
                # No results: the program did not start or died; Wine says why.
                tail -n 20 "$results/$name.log"
            fi
            failed=1
        fi
    done
    return $failed
}
export WINBUILD QT_MINGW
if compgen -G "$WINBUILD/tst_*.exe" >/dev/null; then
    # xvfb-run's sh drops exported functions: hand them over as text.
    # A failing test still lets the packages be made and checked; the
    # script fails at the end.
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f winpath run_tests); run_tests" || tests_failed=1
    "$WINESERVER" -k 2>/dev/null || true
fi

# The packages, then the setup installed silently as a user would, and the
# installed program's command line.
(cd "$WINBUILD" && cpack -C Release >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINBUILD/CMakeCache.txt")
setup="$WINBUILD/tessellon-$version-win64-setup.exe"
zip="$WINBUILD/tessellon-$version-win64.zip"
ls -l "$setup" "$zip"

# Wine hands the arguments over in the locale's character set: a UTF-8 one.
export LC_ALL=C.UTF-8
target='C:\Tessellon-smoke'
"$WINE" "$setup" /S "/D=$target"
installed="$WINEPREFIX/drive_c/Tessellon-smoke"
art=$("$WINE" "$target\tessellon.com" --print 顶 | tr -d '\r')
lines=$(printf '%s\n' "$art" | wc -l)
if [ "$lines" -ne 21 ] || ! grep -q '顶' <<<"$art"; then
    echo "The installed program did not print the art:"; printf '%s\n' "$art"; exit 1
fi
[ -f "$installed/Uninstall.exe" ] || { echo "No uninstaller"; exit 1; }
find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Tessellon*' -name '*.lnk' | grep -q . ||
    { echo "No Start-menu entry"; exit 1; }
"$WINE" "$target\Uninstall.exe" /S "_?=$target"
[ ! -e "$installed/tessellon.exe" ] || { echo "The uninstaller left the program"; exit 1; }
rm -rf "$installed"
if [ "${tests_failed:-0}" -ne 0 ]; then
    echo "Windows packages: OK; some tests failed under Wine (above)"
    exit 1
fi
echo "Windows build, tests and packages: OK"
