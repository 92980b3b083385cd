#!/bin/bash
# The README's picture of cq160 playing the host (docs/cq160-windows.png):
# cq160.exe checks a call of the bundled CW example with the module's
# windows up, under Xvfb with Wine's X11 driver on a 1024 x 768 screen, and
# the screen is taken while they show the call and the band.
#   cq160-pictures.sh [BUILD_DIR]     (default build/windows, built first)
# Starts its own X server and stops it again. Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/pictures-lib.sh "${1:-build/windows}" cq160
work=$(mktemp -d)
cq160=""
cleanup() {
    [ -z "$cq160" ] || kill "$cq160" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# No window position saved: the windows stand where they open on a first
# start, side by side.

# IT9XYZ is in the log (a dupe): the Multiplier window shows when and how
# it was worked; the host is tuned to 1830.5 kHz, on 160 m.
# Enter through a pipe ends the windows once the picture is taken.
mkfifo "$work/enter"
exec 8<>"$work/enter"
(cd "$work" && STATS_WINE_X=1 bash "$root/scripts/wine-run.sh" "$build" "$build/cq160.exe" \
    check "$root/examples/cw/DL1ABC.log" IT9XYZ --freq 1830500 --windows --hold 60 \
    --today 2028-06-01 --out out --cty /usr/share/hamradio-files/cty.dat \
    <"$work/enter" >"$work/stdout.txt" 2>"$work/stderr.txt") &
cq160=$!
# The windows are filled once cq160 says how long they stay up.
for _ in $(seq 100); do
    grep -q "the windows stay up" "$work/stderr.txt" 2>/dev/null && break
    sleep 0.3
done
grep -q "the windows stay up" "$work/stderr.txt" || { cat "$work/stderr.txt" >&2; exit 1; }
sleep 1
xwd -root -silent -display "$display" | /usr/bin/convert xwd:- -trim +repage docs/cq160-windows.png
grep "module's windows" "$work/stderr.txt" || true
echo >&8
wait "$cq160" || true  # the example's warning makes its status 1
cq160=""
echo docs/cq160-windows.png
