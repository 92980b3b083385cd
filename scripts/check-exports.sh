#!/bin/bash
# Checks Stats.dll's export table and imports:
#   check-exports.sh Stats.dll INTERFACE_DIR
# - the decorated names in Stats.def are the ones clang's MSVC target gives
#   the host's declarations (msvc_signatures.cpp);
# - the DLL exports exactly the names of Stats.def, under the module name
#   Stats.dll;
# - it imports only Windows system DLLs (the C and C++ runtimes are linked in).
set -euo pipefail
dll=$1
dir=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

clang++ --target=i686-pc-windows-msvc -c "$dir/msvc_signatures.cpp" -o "$tmp/sig.obj"
llvm-nm "$tmp/sig.obj" | awk '$1 == "U" { print $2 }' | sort > "$tmp/msvc.txt"
sed -n 's/^ *"\(?[^"]*\)" = .*/\1/p' "$dir/Stats.def" | sort > "$tmp/def-decorated.txt"
if ! diff -u "$tmp/msvc.txt" "$tmp/def-decorated.txt"; then
    echo "check-exports: decorated names in Stats.def differ from MSVC's" >&2
    fail=1
fi

awk '/^EXPORTS/ { on = 1; next } on && NF { n = $1; gsub(/"/, "", n); print n }' \
    "$dir/Stats.def" | sort > "$tmp/def.txt"
i686-w64-mingw32-objdump -p "$dll" > "$tmp/dump.txt"
sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' "$tmp/dump.txt" |
    sed -n 's/^\s*\[ *[0-9]*\] //p' | sort > "$tmp/dll.txt"
if ! diff -u "$tmp/def.txt" "$tmp/dll.txt"; then
    echo "check-exports: the DLL's exports differ from Stats.def" >&2
    fail=1
fi
count=$(wc -l < "$tmp/dll.txt")
if [ "$count" -ne 25 ]; then
    echo "check-exports: $count exports, expected 25" >&2
    fail=1
fi
if ! grep -Eq '^Name[[:space:]]+[0-9a-f]+[[:space:]]+Stats\.dll$' "$tmp/dump.txt"; then
    echo "check-exports: export-directory module name is not Stats.dll" >&2
    fail=1
fi

system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|advapi32|shell32|msvcrt|ws2_32)\.dll$'
while read -r name; do
    if ! echo "$name" | tr 'A-Z' 'a-z' | grep -Eq "$system_dlls"; then
        echo "check-exports: imports non-system DLL $name" >&2
        fail=1
    fi
done < <(sed -n 's/^\s*DLL Name: //p' "$tmp/dump.txt")

[ "$fail" = 0 ] && echo "check-exports: 25 exports, module Stats.dll, system imports only"
exit $fail
