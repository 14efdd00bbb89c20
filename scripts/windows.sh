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

# Wine (Debian's wine64 alone has no `wine` on PATH) with a prefix of its own;
# its menu builder stays off, so the setup's shortcuts never reach this
# system's own menus.
WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINE WINEPREFIX="${WINEPREFIX:-$CACHE/wine}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
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

# The packages: small enough, every program file described.
(cd "$WINBUILD" && cpack -C Release >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINBUILD/CMakeCache.txt")
setup="$WINBUILD/tessellon-$version-win64-setup.exe"
zip="$WINBUILD/tessellon-$version-win64.zip"
fail() { echo "$*"; exit 1; }
zip_bytes=$(stat -c %s "$zip")
echo "Setup $(stat -c %s "$setup") bytes, zip $zip_bytes bytes"
[ "$zip_bytes" -le $((12 * 1024 * 1024)) ] || fail "The zip is larger than 12 MB"
listing=$(cmake -E tar tf "$zip")
! grep -q 'qoffscreen' <<<"$listing" || fail "The zip holds a plug-in the program never loads"
unpacked="$WINBUILD/zip-check"
rm -rf "$unpacked" && mkdir -p "$unpacked" && (cd "$unpacked" && cmake -E tar xf "$zip")
for file in "$unpacked"/*/*.exe "$unpacked"/*/*.com "$setup"; do
    # The version resource as text; Chinese as \x escapes.
    described=$(x86_64-w64-mingw32-windres -i "$file" -O rc 2>/dev/null |
                perl -CS -pe 's/\\x([0-9a-f]{4})/chr(hex($1))/ge')
    for value in "\"ProductVersion\", L\?\"$version\"" '"ProductName", L\?"Tessellon加强版"' \
                 '"FileDescription", L\?"Tessellon加强版' '"LegalCopyright", L\?"Copyright .* 2026 Tessellon开发组'; do
        grep -q "VALUE $value" <<<"$described" || fail "$(basename "$file") lacks $value in its version resource"
    done
done
for file in "$unpacked"/*/tessellon.exe "$unpacked"/*/tessellon.com; do
    manifest=$(x86_64-w64-mingw32-strings "$file")
    for setting in '<dpiAwareness[^>]*>PerMonitorV2<' '<longPathAware[^>]*>true<' '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a'; do
        grep -q "$setting" <<<"$manifest" || fail "$(basename "$file")'s manifest lacks $setting"
    done
done
unstripped=$(find "$unpacked" -iname '*.dll' -exec x86_64-w64-mingw32-objdump -h {} + | grep -c '\.debug_' || true)
[ "$unstripped" -eq 0 ] || fail "Shipped libraries carry debugging sections"
rm -rf "$unpacked"

# The setup as a user runs it: silently, no administrator, into the user's
# folders, on the user's PATH; a second install elsewhere replaces the first;
# the uninstaller leaves nothing of the program. Wine writes its registry
# files when its server ends.
export LC_ALL=zh_CN.UTF-8
"$WINESERVER" -w
windows_folder() { "$WINE" winepath -u "$("$WINE" cmd /c echo "%$1%" | tr -d '\r')" 2>/dev/null; }
local_data=$(windows_folder LOCALAPPDATA)
start_menu="$(windows_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Tessellon加强版"
key='Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tessellon'
# A value of a key in Wine's file of a hive, \x escapes decoded.
reg_value() {
    "$WINESERVER" -w
    KEY="[$2]" NAME="\"$3\"=" awk 'index($0, ENVIRON["KEY"]) == 1 { inside = 1; next }
        /^\[/ { inside = 0 }
        inside && index($0, ENVIRON["NAME"]) == 1 { print substr($0, length(ENVIRON["NAME"]) + 1) }' \
        "$WINEPREFIX/$1.reg" | perl -CS -pe 's/\\x([0-9a-f]{4})/chr(hex($1))/ge'
}
# An earlier run's leftovers go first, as the uninstaller would take them.
if old=$(reg_value user "$key" InstallLocation) && [ -n "$old" ]; then
    "$WINE" "$(sed 's/^"//; s/"$//; s/\\\\/\\/g' <<<"$old")\\Uninstall.exe" /S || true
    "$WINESERVER" -w
fi
# The user's PATH, and a folder as the registry file writes it.
user_path() { reg_value user 'Environment' Path | sed 's/^str(2)://; s/^"//; s/"$//'; }
registry_form() { winpath "$1" | sed 's/\\/\\\\/g'; }
default="$local_data/Programs/Tessellon"
check_installed() {
    local folder=$1 windows
    windows=$(registry_form "$folder")
    [ -f "$folder/tessellon.exe" ] && [ -f "$folder/tessellon.com" ] && [ -f "$folder/Uninstall.exe" ] ||
        fail "Not installed into $folder"
    [ -f "$start_menu/Tessellon加强版.lnk" ] && [ -f "$start_menu/卸载 Tessellon加强版.lnk" ] ||
        fail "No Start-menu entries in $start_menu"
    [ "$(reg_value user "$key" InstallLocation)" = "\"$windows\"" ] || fail "The uninstall entry does not name $windows"
    [ "$(reg_value user "$key" DisplayVersion)" = "\"$version\"" ] || fail "The uninstall entry has no version"
    [ "$(reg_value user "$key" Publisher)" = '"Tessellon开发组"' ] || fail "The uninstall entry has no publisher"
    grep -q '^"\?.*tessellon.exe,0"$' <<<"$(reg_value user "$key" DisplayIcon)" || fail "The uninstall entry has no icon"
    grep -q '^dword:' <<<"$(reg_value user "$key" EstimatedSize)" || fail "The uninstall entry has no size"
    [ -z "$(reg_value system "$key" DisplayName)" ] || fail "The setup wrote to the machine's registry"
    grep -qiF ";$windows;" <<<";$(user_path);" || fail "The user's PATH does not hold $windows"
}
"$WINE" "$setup" /S
"$WINESERVER" -w
check_installed "$default"
default_windows=$(registry_form "$default")
# /D= takes the folder unquoted, and Wine quotes an argument with a space.
elsewhere_windows='C:\拼字工具\Tessellon'
elsewhere="$WINEPREFIX/drive_c/拼字工具/Tessellon"
"$WINE" "$setup" /S "/D=$elsewhere_windows"
"$WINESERVER" -w
check_installed "$elsewhere"
[ ! -e "$default" ] || fail "The second install left the first in $default"
! grep -qiF ";$default_windows;" <<<";$(user_path);" || fail "The first install stays on PATH"

# The installed program, found on PATH from a new prompt, and given text
# the way cmd pipes it: in the console's code page (936 here).
art=$("$WINE" cmd /c "cd /d C:\\ & tessellon --print 顶" | tr -d '\r')
[ "$(printf '%s\n' "$art" | wc -l)" -eq 21 ] && grep -q '顶' <<<"$art" ||
    fail "tessellon from PATH did not print the art:"$'\n'"$art"
piped=$("$WINE" cmd /c "echo 顶| tessellon --print" | tr -d '\r')
[ "$piped" = "$art" ] || fail "Piped through cmd, 顶 gave other art:"$'\n'"$piped"
# Start-up time of the installed console program, Wine's own start included
# (a Wine program that does nothing, for comparison), with Wine's server
# running as a system's would be.
"$WINE" cmd /c exit
time_runs() {
    local started=$(date +%s%N)
    for _ in 1 2 3 4 5 6 7 8 9 10; do "$@" >/dev/null; done
    echo $(( ($(date +%s%N) - started) / 10000000 ))
}
echo "Start-up under Wine: tessellon --version $(time_runs "$WINE" "$elsewhere_windows\\tessellon.com" --version) ms," \
     "cmd /c exit $(time_runs "$WINE" cmd /c exit) ms (average of 10)"
"$WINESERVER" -k 2>/dev/null || true

"$WINE" "$elsewhere_windows\\Uninstall.exe" /S
"$WINESERVER" -w
[ ! -e "$elsewhere" ] || fail "The uninstaller left $elsewhere: $(ls -A "$elsewhere")"
[ ! -e "$start_menu" ] || fail "The uninstaller left the Start-menu folder"
[ -z "$(reg_value user "$key" DisplayName)" ] || fail "The uninstaller left its registry key"
! grep -qiF 'Tessellon' <<<"$(user_path)" || fail "The uninstaller left the folder on PATH"
rm -rf "$WINEPREFIX/drive_c/拼字工具"
if [ "${tests_failed:-0}" -ne 0 ]; then
    echo "Windows packages: OK; some tests failed under Wine (above)"
    exit 1
fi
echo "Windows build, tests and packages: OK"
