#!/bin/bash
# Makes the README's pictures of the operator windows (docs/*.png): runs the
# Wine test of the windows, which plays the host and saves each window as it
# is drawn, under Xvfb with Wine's X11 driver, and converts the pictures.
#   window-pictures.sh [BUILD_DIR]     (default build/windows, built first)
# Starts its own X server and stops it again.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pictures-lib.sh "${1:-build/windows}"
out=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$out"' EXIT
# An English locale (code page 1252), as ctest runs the test: the Russian
# captions read right all the same.
(cd "$build/tests" &&
    LC_ALL=en_US.UTF-8 STATS_WINE_X=1 STATS_PICTURES="$(winepath -w "$out")" \
        bash "$OLDPWD/scripts/wine-run.sh" "$build" ./windows_wine.exe ../Stats.dll)
for bmp in "$out"/*.bmp; do
    /usr/bin/convert "$bmp" "docs/$(basename "$bmp" .bmp).png"
    echo "docs/$(basename "$bmp" .bmp).png"
done
