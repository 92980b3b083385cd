#!/bin/bash
# The main job on the bundled example: builds libStats.so and cq160, and
# scores the CW example log through the module the way the host does. Extra
# arguments go to cq160 (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --native
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target cq160 >/dev/null
exec build/native/cq160 score examples/cw/DL1ABC.log --out build/example/DL1ABC "$@"
