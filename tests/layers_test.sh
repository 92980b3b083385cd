#!/bin/bash
# The layer check against small planted trees: each edge that runs up the
# layers, or leads nowhere, must fail it; the allowed ones must pass.
#   layers_test.sh CHECK_LAYERS_SCRIPT
set -uo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# plant FROM_FILE INCLUDE...: a fresh tree in which FROM_FILE includes each
# INCLUDE; every file named exists.
plant() {
    rm -rf "$work/tree"
    mkdir -p "$work/tree"
    local from=$1
    shift
    for f in "$from" platform/p.h resources/r.h scoring/s.h cabrillo/c.h windows/w.h \
             interface/i.h tools/cq160/t.h tests/fuzz/f.h bench/b.h; do
        mkdir -p "$work/tree/$(dirname "$f")"
        touch "$work/tree/$f"
    done
    for inc in "$@"; do echo "#include \"$inc\"" >>"$work/tree/$from"; done
}

expect() {
    local want=$1 from=$2
    shift 2
    plant "$from" "$@"
    if bash "$check" "$work/tree" >"$work/out" 2>&1; then got=pass; else got=fail; fi
    if [ "$got" != "$want" ]; then
        echo "FAIL: $from including $* should $want, did $got:" >&2
        cat "$work/out" >&2
        failures=$((failures + 1))
    fi
}

# Back edges and sibling edges.
expect fail platform/settings.cpp scoring/s.h
expect fail platform/x.cpp resources/r.h
expect fail scoring/x.cpp cabrillo/c.h
expect fail scoring/x.cpp windows/w.h
expect fail scoring/x.cpp resources/r.h
expect fail cabrillo/x.cpp windows/w.h
expect fail windows/x.cpp cabrillo/c.h
expect fail windows/x.cpp interface/i.h
expect fail resources/x.h platform/p.h
expect fail interface/x.cpp tools/cq160/t.h
expect fail scoring/x.cpp tests/fuzz/f.h
expect fail tools/cq160/x.cpp scoring/s.h
expect fail tools/cq160/x.cpp tests/fuzz/f.h
expect fail tools/cq160/x.cpp bench/b.h
# A directive with blanks inside is still seen.
plant scoring/x.cpp
echo '  #  include   "windows/w.h"  // spaced' >"$work/tree/scoring/x.cpp"
if bash "$check" "$work/tree" >/dev/null 2>&1; then
    echo "FAIL: a spaced #include was not seen" >&2
    failures=$((failures + 1))
fi
# Includes that lead to no file.
expect fail scoring/x.cpp scoring/missing.h
expect fail scoring/x.cpp missing.h

# Allowed edges.
expect pass scoring/x.cpp platform/p.h scoring/s.h
expect pass cabrillo/x.cpp platform/p.h scoring/s.h resources/r.h cabrillo/c.h
expect pass windows/x.cpp platform/p.h scoring/s.h resources/r.h
expect pass interface/x.cpp cabrillo/c.h windows/w.h scoring/s.h
expect pass resources/x.rc r.h
expect pass tools/cq160/x.cpp tools/cq160/t.h interface/i.h windows/w.h t.h
expect pass tests/x.cpp tools/cq160/t.h scoring/s.h fuzz/f.h bench/b.h
expect pass bench/x.cpp tests/fuzz/f.h tools/cq160/t.h b.h

if [ "$failures" != 0 ]; then
    echo "$failures layer check cases wrong" >&2
    exit 1
fi
echo "layer check: every planted case as expected"
