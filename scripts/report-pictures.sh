#!/bin/bash
# The README's pictures of cq160 report, taken by headless Chromium:
# docs/report.png, the page of the bundled CW example, and
# docs/report-compare.png, the top of the page comparing it with its two
# rivals (examples/compare/).
#   report-pictures.sh [BUILD_DIR]     (default build/native, built first)
# Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build/native}
if [ "$build" = build/native ]; then
    cmake --preset native >/dev/null
    cmake --build --preset native -j2 --target cq160 Stats >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cty=/usr/share/hamradio-files/cty.dat
cd "$work"
# The examples are logs of 2027 (status 1: the CW log's QSO in the other mode).
"$root/$build/cq160" report "$root/examples/cw/DL1ABC.log" --cty "$cty" --today 2028-06-01 \
    -o one.html || [ $? = 1 ]
"$root/$build/cq160" report "$root/examples/cw/DL1ABC.log" "$root/examples/compare/OK2ABC.log" \
    "$root/examples/compare/RA3ABC.log" --cty "$cty" --today 2028-06-01 -o three.html || [ $? = 1 ]
shoot() {  # shoot PAGE WIDTH HEIGHT PNG
    local profile
    profile=$(mktemp -d)
    chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
        --disable-component-update --disable-sync --user-data-dir="$profile" --hide-scrollbars \
        --window-size="$2,$3" --screenshot="$root/$4" "file://$work/$1" 2>/dev/null
    rm -rf "$profile"
}
shoot one.html 1000 2640 docs/report.png
shoot three.html 1000 1860 docs/report-compare.png
echo "docs/report.png, docs/report-compare.png"
