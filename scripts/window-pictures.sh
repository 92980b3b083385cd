#!/bin/bash
# Makes the README's pictures of the operator windows (docs/*.png): runs the
# Wine test of the windows, which plays the host and saves each window as it
# is drawn, under Xvfb with Wine's X11 driver, and converts the pictures.
#   window-pictures.sh [BUILD_DIR]     (default build/windows, built first)
# Starts its own X server and stops it again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --pictures
build=${1:-build/windows}
if [ "$build" = build/windows ]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)" >/dev/null
fi
build=$(cd "$build" && pwd)
out=$(mktemp -d)
mkdir -p docs

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$out"' EXIT
sleep 1
export DISPLAY=$display WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
bash scripts/wine-run.sh "$build" cmd /c exit >/dev/null 2>&1 || true  # the prefix
# Without a window manager Wine must manage its windows itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
# A Russian locale gives Wine the Windows-1251 code page of the operators
# who see the Russian captions; the English texts are the same in it.
(cd "$build/tests" &&
    LC_ALL=ru_RU.UTF-8 STATS_WINE_X=1 STATS_PICTURES="$(winepath -w "$out")" \
        bash "$OLDPWD/scripts/wine-run.sh" "$build" ./windows_wine.exe ../Stats.dll)
for bmp in "$out"/*.bmp; do
    /usr/bin/convert "$bmp" "docs/$(basename "$bmp" .bmp).png"
    echo "docs/$(basename "$bmp" .bmp).png"
done
