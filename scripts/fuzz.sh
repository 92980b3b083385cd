#!/bin/bash
# Runs the module's exports under libFuzzer for longer than the tests do:
# builds the libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer, every source instrumented for coverage) in
# build/fuzz and runs it.
#   scripts/fuzz.sh [SECONDS] [libFuzzer options...]    (default 600 s)
# Inputs that crash are left in build/fuzz/crashes; the corpus grows in
# build/fuzz/corpus, so a later run starts where this one stopped.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
command -v clang++ >/dev/null || { echo "fuzz.sh: needs clang (apt-get install clang)" >&2; exit 2; }
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DSTATS_LIBFUZZER=ON >/dev/null
cmake --build build/fuzz --target export_libfuzzer -j"$(nproc)"
# Absolute paths: the target works in a scratch folder of its own.
out=$(pwd)/build/fuzz
mkdir -p "$out/corpus" "$out/crashes"
exec "$out/tests/export_libfuzzer" -max_total_time="$seconds" \
    -artifact_prefix="$out/crashes/" "$@" "$out/corpus"
