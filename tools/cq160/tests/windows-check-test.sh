#!/bin/bash
# cq160.exe check --windows under Wine: the module's windows come up with
# the checked call, stay for --hold seconds and close, and the printed
# check is the same as without the windows.
#   windows-check-test.sh WORKDIR EXAMPLE_LOG CTY RUNNER... CQ160
set -uo pipefail
work=$1
example=$2
cty=$3
shift 3
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# A country file as new as the logs: no warning of its age.
sed 's/=VER[0-9]\{8\}/=VER20270101/' "$cty" >cty-2027.dat
cty=$PWD/cty-2027.dat
fail=0
cq160=("$@")
margin=30  # seconds for Wine to start and end around the hold

# check NAME ARGS...: cq160 check into NAME.out and NAME.err, its exit
# status into NAME.status and its run time in whole seconds into NAME.time.
check() {
    local name=$1
    shift
    local status=0 start end
    start=$(date +%s%N)
    "${cq160[@]}" check "$@" --cty "$cty" --today 2028-06-01 --out "o-$name" \
        </dev/null >"$name.out" 2>"$name.err" || status=$?
    end=$(date +%s%N)
    echo "$status" >"$name.status"
    echo $(((end - start) / 1000000000)) >"$name.time"
}
expect() {  # expect WHAT CONDITION...
    local what=$1
    shift
    if ! "$@"; then
        echo "$what" >&2
        fail=1
    fi
}

check plain "$example" IT9XYZ --freq 1830500
check windows "$example" IT9XYZ --freq 1830500 --windows --hold 1
expect "not the same exit status with the windows: $(cat windows.status), $(cat plain.status)" \
    cmp -s plain.status windows.status
expect "the windows changed the printed check" cmp -s plain.out windows.out
expect "no verdict" grep -qx "Verdict: dupe" windows.out
expect "held $(cat windows.time) s for --hold 1" \
    test "$(cat windows.time)" -ge 1 -a "$(cat windows.time)" -le $((1 + margin))
expect "no contest window" grep -qF '"Setup CQ-WW-160M-CW-2027"' windows.err
expect "the Multiplier window does not show the call" \
    grep -qF '"CQ-WW-160M-CW worked with IT9XYZ"' windows.err
expect "no State/Prov window on 160 m" grep -qF '"State/Province worked on 160m"' windows.err

# A log without warnings: status 0.
printf 'START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n%s\r\nEND-OF-LOG:\r\n' \
    'QSO: 1822 CW 2027-01-29 2205 DL1ABC 599 14 K1AB 599 MA' >clean.log
check clean clean.log K1AB --freq 3510000 --windows --hold 0
expect "clean log: exit status $(cat clean.status)" test "$(cat clean.status)" = 0
expect "clean log: no verdict" grep -qx "Verdict: refused (wrong band or mode)" clean.out
expect "clean log: no State/Prov window on 80 m" \
    grep -qF '"State/Province worked on 80m"' clean.err
if [ "$fail" != 0 ]; then
    cat windows.err clean.err >&2
    exit 1
fi
echo "check with the windows as without, held $(cat windows.time) s for --hold 1"
