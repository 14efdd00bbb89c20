#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and builds the Debian package, then checks
# the program, its manual page, desktop entry, icons and metainfo, and the
# package's dependencies, and lints it as Debian would. Usage: check_install.sh BUILD_DIR
set -uo pipefail
BUILD=$1
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
passed=0
failed=0
check() {
    local name=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "PASS   : $name"; else failed=$((failed + 1)); echo "FAIL!  : $name"; fi
}

cmake --install "$BUILD" --prefix "$TMP/usr" > "$TMP/install.log" 2>&1
check "cmake --install" test $? -eq 0
check "program" test -x "$TMP/usr/bin/tessellon"
MANPAGE="$TMP/usr/share/man/man1/tessellon.1.gz"
check "manual page" test -f "$MANPAGE"
if command -v man > /dev/null; then
    check "manual page formats cleanly" bash -c "test -z \"\$(LC_ALL=C.UTF-8 man --warnings -l '$MANPAGE' 2>&1 > /dev/null)\""
    # No word, option or variable name is hyphenated at a line end, at any terminal width.
    for width in 40 60 80 120; do
        check "manual page at $width columns breaks no word" \
            bash -c "! MANWIDTH=$width LC_ALL=C.UTF-8 man -l '$MANPAGE' 2> /dev/null | grep -qE '[[:alnum:]_][-‐]\$'"
    done
fi
DESKTOP="$TMP/usr/share/applications/org.tessellon.tessellon.desktop"
check "desktop entry" test -f "$DESKTOP"
check "desktop entry name" grep -qx 'Name=Tessellon加强版' "$DESKTOP"
check "desktop entry categories" grep -qx 'Categories=Graphics;2DGraphics;' "$DESKTOP"
# Docks match the window by its class, the program's name as --version gives it.
check "desktop entry window class" grep -qx "StartupWMClass=$("$TMP/usr/bin/tessellon" --version | cut -d' ' -f1)" "$DESKTOP"
check "desktop entry opens pictures" bash -c "grep -q '^Exec=tessellon %f$' '$DESKTOP' && grep -q '^MimeType=image/jpeg;image/png;' '$DESKTOP'"
for size in 16 32 48 64 128 256; do
    icon="$TMP/usr/share/icons/hicolor/${size}x${size}/apps/tessellon.png"
    check "icon ${size}px" test "$(identify -format '%wx%h' "$icon" 2> /dev/null)" = "${size}x${size}"
done
METAINFO="$TMP/usr/share/metainfo/org.tessellon.tessellon.metainfo.xml"
check "scalable icon" grep -q 'viewBox="0 0 16 16"' "$TMP/usr/share/icons/hicolor/scalable/apps/tessellon.svg"
check "metainfo" test -f "$METAINFO"
if command -v desktop-file-validate > /dev/null; then
    check "desktop-file-validate, not even a hint" bash -c "test -z \"\$(desktop-file-validate '$DESKTOP' 2>&1)\""
fi
if command -v appstreamcli > /dev/null; then
    check "appstreamcli validate --pedantic, not even an info" \
        bash -c "appstreamcli validate --pedantic --no-net '$METAINFO' | grep -qx '✔ Validation was successful.'"
fi

(cd "$BUILD" && cpack -G DEB -B "$TMP/deb" > "$TMP/cpack.log" 2>&1)
DEB=$(ls "$TMP"/deb/*.deb 2> /dev/null | head -n 1)
check "Debian package built" test -n "$DEB"
if [ -n "$DEB" ]; then
    depends=$(dpkg-deb -f "$DEB" Depends)
    for dep in libqt6widgets6 libqt6gui6 libqt6core6 fonts-wqy-zenhei fonts-arphic-ukai qt6-translations-l10n; do
        check "package depends on $dep" grep -q "$dep" <<< "$depends"
    done
    check "package recommends xdg-utils" grep -q xdg-utils <<< "$(dpkg-deb -f "$DEB" Recommends)"
    check "package holds the program" bash -c "dpkg-deb -c '$DEB' | grep './usr/bin/tessellon' > /dev/null"
    check "package holds the manual page" bash -c "dpkg-deb -c '$DEB' | grep './usr/share/man/man1/tessellon.1.gz' > /dev/null"
    # Debian's own checks: no error and no warning.
    check "lintian" lintian --fail-on error,warning "$DEB"
fi

# Every source file names its copyright and licence.
if command -v reuse > /dev/null; then
    check "reuse lint" bash -c "cd '$(dirname "$0")/../..' && reuse lint > '$TMP/reuse.log'"
fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
