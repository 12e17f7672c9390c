#!/usr/bin/env bash
# Makes this machine ready to build, test and run VexprobeHLX, and does nothing that is already done:
# Debian packages (as root, through apt-get), the virtual screens (Xvfb) and their Wine prefixes in
# build/wine/. Safe to run again at any time.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

packages=(
    cmake ninja-build g++ googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine64 xvfb xauth fonts-wine fonts-liberation2
    imagemagick icoutils file
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]}; run this script as root to install them" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

for screen in small large; do
    vexprobe_start_display "$screen"
    vexprobe_prepare_prefix "$screen"
    vexprobe_keep_wineserver "$screen"
done
