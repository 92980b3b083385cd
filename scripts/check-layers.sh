#!/bin/bash
# Fails on an #include "..." that runs up the module's layers:
#
#   platform < scoring < cabrillo, windows < interface
#
# cabrillo and windows are siblings and include neither each other;
# resources (the dialog ids and control tables that the resource script
# reads too) includes only itself and may be included by cabrillo, windows
# and interface. tools, tests and bench sit above the module; tools (cq160)
# includes nothing from scoring/, since its count is an independent check of
# the module's, and nothing from tests/ or bench/. Nothing in the module
# includes tools, tests or bench.
#
# A name without a folder, or one that begins with a subfolder of the
# including file's folder ("fuzz/export_driver.h" in tests/), is taken
# relative to the including file. An include that resolves to no file of
# the tree also fails, so that a typo cannot hide an edge.
#   check-layers.sh [ROOT]     (default: the repository this script is in)
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root"

folders="platform resources scoring cabrillo windows interface tools tests bench"

# The folders a folder may include besides itself; "*" is every folder.
may_include() {
    case $1 in
        platform | resources) echo "" ;;
        scoring) echo "platform" ;;
        cabrillo | windows) echo "platform scoring resources" ;;
        interface) echo "platform scoring resources cabrillo windows" ;;
        tools) echo "platform resources cabrillo windows interface" ;;
        tests | bench) echo "*" ;;
    esac
}

present=()
for folder in $folders; do
    [ -d "$folder" ] && present+=("$folder")
done
if [ ${#present[@]} -eq 0 ]; then
    echo "check-layers: no source folders below $(pwd)" >&2
    exit 2
fi

bad=0
checked=0
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    text=${rest#*:}
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
    from=${file%%/*}
    top=${target%%/*}
    if [ "$top" != "$target" ] && [[ " $folders " == *" $top "* ]] && [ -e "$target" ]; then
        to=$top
    elif [ -e "$(dirname "$file")/$target" ]; then
        to=$from
    else
        echo "$file:$line: #include \"$target\": no such file in the tree" >&2
        bad=1
        continue
    fi
    checked=$((checked + 1))
    [ "$to" = "$from" ] && continue
    allowed=$(may_include "$from")
    [ "$allowed" = "*" ] && continue
    case " $allowed " in
        *" $to "*) ;;
        *)
            echo "$file:$line: #include \"$target\": $from/ may not include $to/" >&2
            bad=1
            ;;
    esac
done < <(grep -rnE --include='*.h' --include='*.cpp' --include='*.rc' \
             '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${present[@]}" | sort)

if [ "$bad" != 0 ]; then
    echo "check-layers: includes that run up the layers (see above)" >&2
    exit 1
fi
echo "check-layers: $checked includes, none runs up the layers"
