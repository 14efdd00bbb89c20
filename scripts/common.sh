# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by run.sh and test.sh: install what is missing, then build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(g++ cmake make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n fonts-wqy-zenhei fonts-arphic-ukai fonts-noto-cjk
          xvfb xdotool xclip x11-utils imagemagick desktop-file-utils appstream
          dpkg-dev lintian reuse at-spi2-core python3-pyatspi dbus
          libreoffice-writer-nogui chromium librsvg2-bin poppler-utils tesseract-ocr-chi-sim xterm)
# The fuzz targets (scripts/fuzz.sh): clang's libFuzzer and sanitizers; zlib's headers for weighing pictures.
PACKAGES+=(clang libclang-rt-14-dev libfuzzer-14-dev zlib1g-dev)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [DIR [CMAKE ARGS...]]
build() {
    local dir=${1:-$BUILD}
    [ $# -gt 0 ] && shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DTESSELLON_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
