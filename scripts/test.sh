#!/bin/bash
# Builds and runs every test: the native build with its unit tests (each
# test program also as one process in shuffled order, three times over),
# the scripted contest run and one pass of the benchmark on a tiny log (it
# asserts nothing about time), the same under AddressSanitizer and
# UndefinedBehaviorSanitizer with a longer export fuzzer run, the two-thread
# test under ThreadSanitizer, the module and the two-thread test built with
# clang's thread-safety analysis as an error (nothing to run), and the
# Windows cross build with the DLL's export check and the Wine tests.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# A zone with a half-hour offset: no code may depend on the local time zone.
export TZ=NPT-5:45
jobs=$(nproc)

# tsan builds only the two-thread test, thread-safety only the module and
# that test (their build presets name the targets).
for preset in native sanitize tsan thread-safety windows; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    [ "$preset" = thread-safety ] && continue
    ctest --preset "$preset" -j"$jobs"
done
