#!/bin/bash
# cq160 crosscheck on the small hand-made weekends of crosscheck/: every
# verdict and the edge cases (a QSO at the edge of the time window, a
# station that logged a QSO twice, two near-miss candidates, a log whose
# clock is 10 minutes fast, logs that cannot be read, of another contest or
# weekend, two logs of one call). For each weekend the summary, standard
# error, the exit status, every UBN report, the CSV and the JSON are
# compared whole with crosscheck/WEEKEND/expected/.
#   crosscheck-test.sh WORKDIR CTY RUNNER... CQ160
# With CQ160_UPDATE_EXPECTED=1 the expected files are written instead.
cases=$(cd "$(dirname "$0")/crosscheck" && pwd)
source "$(dirname "$0")/script_lib.sh"

for dir in "$cases"/*/; do
    weekend=$(basename "$dir")
    status=0
    mkdir -p "$weekend"
    "${cq160[@]}" crosscheck "$dir/logs" --cty "$cty" --out "$weekend" \
        --csv "$weekend/verdicts.csv" --json "$weekend/verdicts.json" \
        >"$weekend/summary.txt" 2>"$weekend/stderr.txt" || status=$?
    echo "$status" >"$weekend/status.txt"
    rm -rf "$weekend/module"  # the module's working folder, where not in memory
    if [ "${CQ160_UPDATE_EXPECTED:-0}" = 1 ]; then
        rm -rf "$dir/expected"
        cp -r "$weekend" "$dir/expected"
    elif ! diff -r "$dir/expected" "$weekend" >"$weekend.diff"; then
        echo "crosscheck of $weekend: not as expected:" >&2
        cat "$weekend.diff" >&2
        fail=1
    fi
done
exit $fail
