#!/bin/bash
# Runs the export fuzzer and keeps its output readable: the message boxes
# that the module shows on Linux (as "<caption>: <text>" lines on standard
# error) are dropped; everything else, a sanitizer's report above all, is
# shown.
#   run-export-fuzz.sh EXPORT_FUZZ SEED CALLS
set -uo pipefail
"$@" 2>&1 | grep -av -e '^Output: File ' -e '^Error: No additional setup for this contest$'
exit "${PIPESTATUS[0]}"
