#!/bin/bash
# Builds and runs every test: the native build with its unit tests and the
# scripted contest run, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows cross build with the DLL's
# export check and the Wine tests. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# A zone with a half-hour offset: no code may depend on the local time zone.
export TZ=NPT-5:45
jobs=$(nproc)

for preset in native sanitize windows; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
