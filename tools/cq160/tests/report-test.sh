#!/bin/bash
# cq160 report end to end, without a browser: pages for one log and for
# three, and bad input that writes no page at all:
#   report-test.sh WORKDIR CTY EXAMPLES RUNNER... CQ160
set -uo pipefail
examples=$3
set -- "$1" "$2" "${@:4}"
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

cw=$examples/cw/DL1ABC.log
ok2=$examples/compare/OK2ABC.log
ra3=$examples/compare/RA3ABC.log
ssb=$examples/ssb/W3ABC.log

# no_page FILE: cq160 left no page (and no temporary file) behind.
no_page() {
    if [ -e "$1" ] || [ -e "$1.tmp" ]; then
        echo "a page $1 was left behind" >&2
        fail=1
    fi
}

# The examples' QSOs are of 2027: judged as on 2028-06-01, the CW log's
# only warning is its QSO in the other mode (status 1).
expect 1 "Report: one.html" report "$cw" --cty "$cty" --out o -o one.html --today 2028-06-01
grep -q '<svg class="chart" id="rates"' one.html || { echo "one.html has no rate chart" >&2; fail=1; }
grep -q 'id="compare-' one.html && { echo "one.html compares" >&2; fail=1; }
expect 1 "Report: three.html" report "$ok2" "$cw" "$ra3" --cty "$cty" --out o -o three.html \
    --today 2028-06-01
grep -q '<svg class="chart" id="compare-difference"' three.html ||
    { echo "three.html has no difference chart" >&2; fail=1; }
# RA3ABC's NAME, Windows-1251 in the log, is UTF-8 on the page.
grep -q 'Иван Петров' three.html || { echo "three.html lost RA3ABC's name" >&2; fail=1; }
expect 0 "Report: report-OK2ABC-RA3ABC.html" report "$ok2" "$ra3" --cty "$cty" --out o \
    --today 2028-06-01
[ -s report-OK2ABC-RA3ABC.html ] || { echo "no default-named page" >&2; fail=1; }

# Bad input: a clear word, status 2, and no page; an old page stays.
expect 2 "cannot read the log" report missing.log --cty "$cty" --out o -o bad.html
no_page bad.html
echo "old page" >kept.html
expect 2 "W3ABC.log is a log of the SSB weekend of 2027, $cw of the CW weekend of 2027: logs compared must be of one weekend" \
    report "$cw" "$ssb" --cty "$cty" --out o -o kept.html
[ "$(cat kept.html)" = "old page" ] || { echo "kept.html was changed" >&2; fail=1; }
no_page kept.html.tmp
expect 2 "cannot write" report "$cw" --cty "$cty" --out o -o /no/such/folder/page.html
expect 2 "report takes one, two or three logs" report "$cw" "$cw" "$cw" "$cw" --cty "$cty"
printf 'START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nQSO: junk\r\nEND-OF-LOG:\r\n' >junk.log
expect 2 "none of the 1 QSO lines" report junk.log --cty "$cty" --out o -o junk.html
no_page junk.html
exit $fail
