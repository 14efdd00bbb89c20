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
fi
DESKTOP="$TMP/usr/share/applications/org.tessellon.Tessellon.desktop"
check "desktop entry" test -f "$DESKTOP"
check "desktop entry name" grep -qx 'Name=Tessellon加强版' "$DESKTOP"
check "desktop entry categories" grep -qx 'Categories=Utility;Graphics;' "$DESKTOP"
for size in 16 32 48 256; do
    icon="$TMP/usr/share/icons/hicolor/${size}x${size}/apps/tessellon.png"
    check "icon ${size}px" test "$(identify -format '%wx%h' "$icon" 2> /dev/null)" = "${size}x${size}"
done
METAINFO="$TMP/usr/share/metainfo/org.tessellon.Tessellon.metainfo.xml"
check "metainfo" test -f "$METAINFO"
if command -v desktop-file-validate > /dev/null; then
    # Hints (two main categories, on purpose) are not errors.
    check "desktop-file-validate" bash -c "desktop-file-validate '$DESKTOP' | grep -v ': hint: ' | grep . ; test \${PIPESTATUS[0]} -eq 0"
fi
if command -v appstreamcli > /dev/null; then
    check "appstreamcli validate" bash -c "appstreamcli validate --no-net '$METAINFO' > /dev/null"
fi

(cd "$BUILD" && cpack -G DEB -B "$TMP/deb" > "$TMP/cpack.log" 2>&1)
DEB=$(ls "$TMP"/deb/*.deb 2> /dev/null | head -n 1)
check "Debian package built" test -n "$DEB"
if [ -n "$DEB" ]; then
    depends=$(dpkg-deb -f "$DEB" Depends)
    for dep in libqt6widgets6 libqt6gui6 libqt6core6 fonts-wqy-zenhei fonts-arphic-ukai; do
        check "package depends on $dep" grep -q "$dep" <<< "$depends"
    done
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
