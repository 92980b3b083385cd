#!/bin/bash
# cq160's exit statuses and what it says with them:
#   exit-status-test.sh WORKDIR CTY RUNNER... CQ160
# 0 done, 1 done but some QSO lines could not be read or there are
# warnings, 2 nothing done, 3 done but an output file could not be written. QSO dates are judged as on 2027-03-01 unless a
# test gives --today itself.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

head='START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n'
qso='QSO: 1822 CW 2027-01-29 2205 DL1ABC 599 14 K1AB 599 MA\r\n'
end='END-OF-LOG:\r\n'
printf "$head$qso"'QSO: 1823 CW 2027-01-29 22x6 DL1ABC 599 14 K1CD 599 CT\r\n'"$end" >broken.log
printf "$head$qso"'QSO: 1824 CW 2027-01-29 2207 DL1ABC 599 14 R1ABC/MM 599 16\r\n'"$end" >mm.log
printf 'START-OF-LOG: 3.0\r\nCONTEST: CQ-160-CW\r\nEND-OF-LOG:\r\n' >empty.log
printf "$head$qso$end" >good.log

expect 0 "Usage:" --help
expect 2 "no command" 
expect 2 "unknown command" rescore good.log
expect 2 "cannot read the log" score missing.log --cty "$cty"
expect 2 "cannot read the country file" score good.log --cty /no/such/cty.dat
expect 2 "cannot open the module" score good.log --cty "$cty" --module /no/such/module
expect 2 "empty.log is not a contest log: it has no QSO lines" score empty.log --cty "$cty"
expect 2 "unknown option --colour" score good.log --cty "$cty" --colour
expect 2 "--out needs a value" score good.log --cty "$cty" --out
expect 1 "line 5: QSO: 1823 CW 2027-01-29 22x6" score broken.log --cty "$cty" --out o
expect 0 "line 5: R1ABC/MM  (maritime mobile)" score mm.log --cty "$cty" --out o
expect 0 "Verdict: dupe" check good.log K1AB --cty "$cty" --out o
expect 0 "HTML results: page.html" score good.log --cty "$cty" --out o --html page.html
grep -q "<html>" page.html || { echo "page.html holds no HTML page" >&2; fail=1; }
# The score read from the HTML page, not the first "=" in it.
expect 0 "Score: claimed none, module 10, cq160's own count 10" score good.log --cty "$cty" \
    --out o --html page.html
# An output file that cannot be written: the run is done, its results stay
# on standard output and the status says something needs a look.
expect 3 "cannot write /no/such/folder/page.html" score good.log --cty "$cty" --out o \
    --html /no/such/folder/page.html
grep -q "HTML results (not written to /no/such/folder/page.html):" out.txt ||
    { echo "the HTML page was lost" >&2; fail=1; }
expect 3 "cannot write /no/such/folder/results.txt" score good.log --cty "$cty" --out o \
    --results /no/such/folder/results.txt
grep -q "^Score: 10\*(0+1) = 10" out.txt || { echo "the results were lost" >&2; fail=1; }

# check: the received exchange, and --mode for the typed call only.
expect 0 "Contest: MA is a state of this contest, already worked" check good.log K1NEW --exch ma --cty "$cty" --out o
expect 0 "Contest: CT is a state of this contest, a new multiplier" check good.log K1NEW --exch CT \
    --cty "$cty" --out o
expect 0 "Contest: PQ is no state or province of this contest" check good.log K1NEW --exch PQ \
    --cty "$cty" --out o
expect 0 "Contest: AK is Alaska (KL), a country of this contest, not a state, a new multiplier" \
    check good.log K1NEW --exch ak --cty "$cty" --out o
expect 0 "Exchange 15: the host's exchange field would take it as typed" check good.log OK1AB --exch 15 \
    --cty "$cty" --out o
expect 0 "give --exch" check good.log K1NEW --cty "$cty" --out o
expect 0 "Verdict: refused" check good.log K1NEW --mode SSB --cty "$cty" --out o
grep -q "^Weekend: CW, 2027-01-29 22:00" out.txt || { echo "--mode moved the weekend" >&2; fail=1; }

# Warnings: to standard error and into the summary, status 1. The module
# refuses the QSO before the contest, and says so.
printf "$head"'QSO: 1822 CW 2027-01-29 2159 DL1ABC 599 14 K1AB 599 MA\r\n'"$end" >early.log
expect 1 "line 4: K1AB at 2027-01-29 2159 is before the contest" score early.log --cty "$cty" \
    --out o
grep -q "^cq160: warning: line 4: K1AB" err.txt || { echo "no warning on stderr" >&2; fail=1; }
grep -q "^Score: claimed none, module 0, cq160's own count 0 " out.txt &&
    grep -q "refused, not kept (outside the contest period: 1)" out.txt ||
    { echo "the QSO before the contest scored" >&2; fail=1; }
expect 1 "1 QSO is dated after today (2027-01-28)" score good.log --cty "$cty" --out o \
    --today 2027-01-28

# ADIF without a sent exchange: a warning, and --sent supplies it.
adif='<EOH><CALL:4>K1AB<QSO_DATE:8>20270129<TIME_ON:4>2205<BAND:4>160m<MODE:2>CW<STATE:2>MA'
printf "$adif"'<STATION_CALLSIGN:6>DL1ABC<EOR>\r\n' >nosent.adi
expect 1 "refused, not kept (missing exchange: 1)" score nosent.adi --cty "$cty" --out o
printf "$adif"'<EOR>\r\n' >nocall.adi
expect 2 "no CALLSIGN): give --call" score nocall.adi --cty "$cty"
expect 0 "Score: claimed none, module 10," score nosent.adi --cty "$cty" --out o --sent 14
# Several logs: one row each, the worst status.
expect 0 "Exit status: 0 (the worst of the logs)" score good.log mm.log --cty "$cty" --out many
grep -q "^good.log  *DL1ABC  *CW  *1  *none  *10  *- *0  *0$" out.txt ||
    { echo "no summary row for good.log" >&2; cat out.txt >&2; fail=1; }
expect 1 "Exit status: 1 (the worst of the logs)" score good.log early.log --cty "$cty" \
    --out many
expect 2 "missing.log: not scored: cannot read the log" score good.log missing.log \
    --cty "$cty" --out many
mkdir -p logs && cp good.log broken.log logs/ && cp nosent.adi logs/ && echo notes >logs/x.txt
expect 1 "cq160 1.0: 3 logs" score logs --cty "$cty" --out many
expect 2 "take one log" score good.log mm.log --qsos --cty "$cty" --out many
[ "$fail" = 0 ] && echo "exit statuses as expected"
exit $fail
