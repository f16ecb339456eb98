#!/usr/bin/env bash
# Retakes the README's pictures (docs/screenshots/*.png) from the sample data,
# in a real X server (Xvfb) so that they show the program's own fonts.
#   scripts/screenshots.sh [BUILD_FOLDER]     (default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
scripts/setup.sh
[ -f "$build/build.ninja" ] || [ -f "$build/Makefile" ] ||
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tarvello_screenshots
out=docs/screenshots
mkdir -p "$out"
# The sample data is copied so that nothing the program does touches it; the
# army editor shows the copy's folder.
work=/tmp/tarvello-screenshots
rm -rf "$work" && mkdir -p "$work"
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r data "$work/data"
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb timeout 300 "$build/bin/tarvello_screenshots" "$work/data" "$work"
for picture in "$work"/*.png; do
    # Quantised to keep the repository small.
    convert "$picture" -colors 256 "PNG8:$out/$(basename "$picture")"
done
ls -l "$out"
