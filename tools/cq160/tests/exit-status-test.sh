#!/bin/bash
# cq160's exit statuses and what it says with them:
#   exit-status-test.sh WORKDIR CTY RUNNER... CQ160
# 0 done, 1 done but some QSO lines could not be read, 2 nothing done.
set -uo pipefail
work=$1
cty=$2
shift 2
rm -rf "$work"
mkdir -p "$work"
cd "$work"
fail=0

# expect STATUS TEXT ARGS...: exit status STATUS and TEXT in the output.
expect() {
    local want=$1 text=$2
    shift 2
    local status=0
    "${cq160[@]}" "$@" >out.txt 2>err.txt || status=$?
    if [ "$status" != "$want" ]; then
        echo "cq160 $*: exit status $status, not $want" >&2
        cat out.txt err.txt >&2
        fail=1
    elif ! grep -qF -- "$text" out.txt err.txt; then
        echo "cq160 $*: no \"$text\" in its output" >&2
        cat out.txt err.txt >&2
        fail=1
    fi
}
cq160=("$@")

head='START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n'
qso='QSO: 1822 CW 2027-01-29 2205 DL1ABC 599 14 K1AB 599 MA\r\n'
printf "$head$qso"'QSO: 1823 CW 2027-01-29 22x6 DL1ABC 599 14 K1CD 599 CT\r\n' >broken.log
printf "$head$qso"'QSO: 1824 CW 2027-01-29 2207 DL1ABC 599 14 R1ABC/MM 599 16\r\n' >mm.log
printf 'START-OF-LOG: 3.0\r\nCONTEST: CQ-160-CW\r\nEND-OF-LOG:\r\n' >empty.log
printf "$head$qso" >good.log

expect 0 "Usage:" --help
expect 2 "no command" 
expect 2 "unknown command" rescore good.log
expect 2 "cannot read the log" score missing.log --cty "$cty"
expect 2 "cannot read the country file" score good.log --cty /no/such/cty.dat
expect 2 "cannot open the module" score good.log --cty "$cty" --module /no/such/module
expect 2 "give --call" score empty.log --cty "$cty"
expect 1 "line 5: QSO: 1823 CW 2027-01-29 22x6" score broken.log --cty "$cty" --out o
expect 0 "line 5: R1ABC/MM  (maritime mobile)" score mm.log --cty "$cty" --out o
expect 0 "Verdict: dupe" check good.log K1AB --cty "$cty" --out o
expect 0 "HTML results: page.html" score good.log --cty "$cty" --out o --html page.html
grep -q "<html>" page.html || { echo "page.html holds no HTML page" >&2; fail=1; }
[ "$fail" = 0 ] && echo "exit statuses as expected"
exit $fail
