#!/bin/bash
# The scripted contest run: the test host drives the module in an empty
# folder, then every file left there must equal the expected one byte for
# byte, and no other file may appear.
#   run-contest-test.sh WORKDIR MODULE EXPECTED_DIR RUNNER... TEST_HOST
set -euo pipefail
work=$1
module=$2
expected=$3
shift 3
rm -rf "$work"
mkdir -p "$work/module"
cp "$module" "$work/module/"
name=$(basename "$module")
case "$name" in
    *.dll) module_arg="module\\$name" ;;
    *) module_arg="./module/$name" ;;
esac
(cd "$work" && "$@" "$module_arg")
rm -rf "$work/module"

fail=0
while IFS= read -r file; do
    if [ ! -f "$work/$file" ]; then
        echo "missing: $file" >&2
        fail=1
    elif ! cmp -s "$expected/$file" "$work/$file"; then
        echo "differs: $file" >&2
        diff -u "$expected/$file" "$work/$file" | cat -A | head -40 >&2 || true
        fail=1
    fi
done < <(cd "$expected" && find . -type f | sed 's|^\./||' | sort)
while IFS= read -r file; do
    [ -f "$expected/$file" ] || { echo "unexpected: $file" >&2; fail=1; }
done < <(cd "$work" && find . -type f | sed 's|^\./||' | sort)
[ "$fail" = 0 ] && echo "contest run: all files as expected"
exit $fail
