#!/bin/bash
# An example log through cq160 end to end, compared with what is expected:
#   run-example-test.sh WORKDIR EXAMPLE_DIR LOG CTY full|files RUNNER... CQ160
# In WORKDIR (emptied first) it runs, with the working folder "folder":
#   cq160 score LOG                    -> score.txt, score-stderr.txt
#   cq160 export LOG --results ...     -> export.txt, export-stderr.txt, results.txt
#   cq160 check LOG ARGS  for each line of EXAMPLE_DIR/checks.txt -> check.txt
#   cq160 score LOG ARGS --json --csv  with EXAMPLE_DIR/details-args.txt
#                                      -> details.txt, .json, .csv
# and their exit statuses -> status.txt, and compares them and every file of
# the working folder byte for byte with EXAMPLE_DIR/expected (folder/ holds
# the working folder; no other file may appear there). "files" compares
# only results.txt and the folder (not the Cabrillo file and the settings,
# which carry the log's own header), for another form of the same log. The
# module's score must also equal cq160's own count in both runs. The
# examples are logs of past contests: QSO dates are judged as on --today
# 2028-06-01. CQ160_UPDATE_EXPECTED=1 writes the expected files instead of
# comparing.
set -euo pipefail
work=$1
example=$2
log=$3
cty=$4
what=$5
shift 5
expected="$example/expected"

rm -rf "$work"
mkdir -p "$work"
cd "$work"
fail=0
run() {  # run OUT ERR ARGS...: cq160 must do its work (status 0 or 1)
    local out=$1 err=$2
    shift 2
    local status=0
    "${cq160[@]}" "$@" --today 2028-06-01 >"$out" 2>"$err" || status=$?
    echo "cq160 $1: exit status $status" >>status.txt
    if [ "$status" -gt 1 ]; then
        echo "cq160 $* exited with $status" >&2
        cat "$err" >&2
        fail=1
    fi
}
cq160=("$@")
run score.txt score-stderr.txt score "$log" --out folder --cty "$cty"
run export.txt export-stderr.txt export "$log" --out folder --cty "$cty" --results results.txt
: >check.txt
if [ "$what" = full ] && [ -f "$example/checks.txt" ]; then
    while read -r -a args; do
        [ "${#args[@]}" -gt 0 ] || continue
        echo "\$ cq160 check $(basename "$log") ${args[*]}" >>check.txt
        run check-one.txt check-stderr.txt \
            check "$log" "${args[@]}" --out check-folder --cty "$cty"
        cat check-one.txt >>check.txt
    done <"$example/checks.txt"
    rm -rf check-folder check-one.txt check-stderr.txt
fi

# The module's score against cq160's own count of the same log.
for file in score.txt export.txt; do
    line=$(grep '^Score: claimed' "$file" || true)
    module=$(sed -n 's/.*, module \([0-9]*\),.*/\1/p' <<<"$line")
    own=$(sed -n "s/.*cq160's own count \([0-9]*\) .*/\1/p" <<<"$line")
    if [ -z "$module" ] || [ "$module" != "$own" ]; then
        echo "$file: the module's score is not cq160's own count: $line" >&2
        fail=1
    fi
done

# The per-QSO answers, when the example asks for them (details-args.txt:
# the options, on one line): text, JSON and CSV.
details=""
if [ "$what" = full ] && [ -f "$example/details-args.txt" ]; then
    read -r -a args <"$example/details-args.txt"
    run details.txt details-stderr.txt score "$log" "${args[@]}" --json details.json \
        --csv details.csv --out details-folder --cty "$cty"
    rm -rf details-folder details-stderr.txt
    details="details.txt details.json details.csv"
    python3 "$(dirname "${BASH_SOURCE[0]}")/strict_json.py" details.json || fail=1
fi

if [ "$what" = full ]; then
    files="score.txt score-stderr.txt export.txt export-stderr.txt results.txt check.txt status.txt $details"
else
    files="results.txt"
fi
if [ "${CQ160_UPDATE_EXPECTED:-0}" = 1 ] && [ "$what" = files ]; then
    echo "$(basename "$log"): another form of a log whose expected files are written by its own run"
    exit $fail
fi
if [ "${CQ160_UPDATE_EXPECTED:-0}" = 1 ]; then
    rm -rf "$expected/folder"
    mkdir -p "$expected"
    for f in $files; do cp "$f" "$expected/$f"; done
    cp -r folder "$expected/folder"
    echo "expected files written to $expected"
    exit $fail
fi

compare() {  # compare EXPECTED ACTUAL
    if [ ! -f "$2" ]; then
        echo "missing: $2" >&2
        fail=1
    elif ! cmp -s "$1" "$2"; then
        echo "differs: $2" >&2
        diff -u "$1" "$2" | cat -A | head -40 >&2 || true
        fail=1
    fi
}
for f in $files; do compare "$expected/$f" "$f"; done
# Another form of a log (ADIF) has no Cabrillo header of its own to carry
# into the export: its Cabrillo file and settings keep the module's defaults.
skip='^$'
[ "$what" = files ] && skip='\.cbr$|^Plugins/'
while IFS= read -r file; do
    compare "$expected/folder/$file" "folder/$file"
done < <(cd "$expected/folder" && find . -type f | sed 's|^\./||' | grep -Ev "$skip" | sort)
while IFS= read -r file; do
    [ -f "$expected/folder/$file" ] || { echo "unexpected: folder/$file" >&2; fail=1; }
done < <(cd folder && find . -type f | sed 's|^\./||' | sort)
[ "$fail" = 0 ] && echo "$(basename "$log"): all output as expected"
exit $fail
