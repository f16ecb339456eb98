#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need
# (with --player, those of a player's own build).
set -euo pipefail
packages=(g++ clang libclang-rt-dev cmake ninja-build pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev
          libzip-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation fonts-dejavu-core poppler-utils xvfb xauth imagemagick
          librsvg2-bin desktop-file-utils appstream dpkg-dev file python3)
# --player: only what a player's build and install of the program need.
if [ "${1:-}" = --player ]; then
    packages=(g++ cmake ninja-build pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev libzip-dev
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
              fonts-liberation fonts-dejavu-core shared-mime-info desktop-file-utils)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
else
    echo "Please run as root: apt-get install -y ${missing[*]}" >&2
    exit 1
fi
