#!/usr/bin/env bash
# Installs what building, running and testing Trellic needs on Debian 12 or 13, skipping
# packages that are already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
    git cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk fonts-dejavu-core
    libgtest-dev
    fonts-liberation
    xvfb xauth metacity xdotool x11-utils
    at-spi2-core dbus dbus-daemon python3-pyatspi orca
    binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64 wine wine64 fonts-wine unzip xz-utils
    clang libclang-rt-dev
    desktop-file-utils appstream dpkg-dev file python3
    librsvg2-bin python3-pil
    lintian man-db groff-base debootstrap
    nsis diffoscope-minimal
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    # Through env: sudo would drop a variable set in front of it.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
