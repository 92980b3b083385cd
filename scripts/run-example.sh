#!/bin/bash
# The main job on the bundled example: builds libStats.so, replays the
# scripted CW contest log through it the way the host does, and prints the
# bad-QSO report the module leaves.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --native
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target Stats test_host >/dev/null
out=build/example
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && ../native/tests/test_host ../native/libStats.so)
report="$out/BadQSO_StatsCQWW160CWSSB_31_01_2027.txt"
echo "Bad-QSO report of the example run ($report):"
cat "$report"
