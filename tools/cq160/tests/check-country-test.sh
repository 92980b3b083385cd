#!/bin/bash
# cq160 check must judge the entities the module counts on their own the
# way cq160 score counts them: a first QSO with one is a new multiplier even
# when the country around it was worked, a second one is not.
#   check-country-test.sh WORKDIR CTY RUNNER... CQ160
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

# verdict LOGGED CHECKED VERDICT: a log with one QSO with LOGGED, then
# "cq160 check" on CHECKED must say VERDICT.
verdict() {
    local logged=$1 checked=$2 want=$3
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n%s\r\nEND-OF-LOG:\r\n' \
        "QSO: 1822 CW 2027-01-29 2205 DL1ABC 599 14 $logged 599 15" >one.log
    local status=0
    "${cq160[@]}" check one.log "$checked" --cty "$cty" --out o --today 2027-03-01 >out.txt 2>err.txt || status=$?
    if [ "$status" != 0 ] || ! grep -qxF "Verdict: $want" out.txt; then
        echo "logged $logged, checked $checked: not \"$want\" (exit status $status)" >&2
        cat out.txt err.txt >&2
        fail=1
    fi
}

# Sicily and African Italy by prefix, Shetland by the country file's exact
# calls, the ITU in Geneva whose country prefix is not the module's.
verdict I2ABC IT9ABC "new multiplier"
verdict IT9XYZ IW9ABC "not a new multiplier"
verdict I2ABC IH9ABC "new multiplier"
verdict IG9XYZ IH9ABC "not a new multiplier"
verdict GM3ABC GB2ELH "new multiplier"
verdict 2M0BDR GB2ELH "not a new multiplier"
verdict HB9ABC 4U1ITU "new multiplier"
verdict 4U0ITU 4U1ITU "not a new multiplier"
verdict 4U1VIC 4U1A "not a new multiplier"
verdict JW0BEA JW1I "not a new multiplier"
# Maritime mobile is never a multiplier, and a repeat is still a dupe.
verdict DL2ABC/MM DL3ABC/MM "not a new multiplier"
verdict DL2ABC/MM DL2ABC/MM "dupe"
[ "$fail" = 0 ] && echo "check verdicts as expected"
exit $fail
