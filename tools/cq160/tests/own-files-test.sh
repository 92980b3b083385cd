#!/bin/bash
# cq160 and the operator's own files, and the texts it writes for others:
#   own-files-test.sh WORKDIR CTY RUNNER... CQ160
# A run that would write over one of its inputs, or into a folder with a
# Harlo2.ini or plug-in settings cq160 did not make (a logger's own), is
# refused with exit status 2 and leaves every file byte for byte as it
# was (score, export and report alike); cq160's own working folder is used
# again. Two logs of one call in a batch get a working folder each. A call
# with a drive ("C:X") leaves its Cabrillo file in the working folder. JSON
# is UTF-8 (Cyrillic from a Windows-1251 log). An ADIF log without a sent
# exchange points at --sent.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

log() {  # log CALLSIGN [EXCHANGE]: a one-QSO Cabrillo log of the CW weekend
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: %s\r\nCONTEST: CQ-160-CW\r\n' "$1"
    printf 'QSO: 1822 CW 2027-01-29 2205 %s 599 14 OK1AB 599 %s\r\nEND-OF-LOG:\r\n' \
        "$1" "${2:-15}"
}
# unchanged DIR COPY: DIR holds exactly COPY's files, byte for byte.
unchanged() {
    if ! diff -r "$2" "$1" >/dev/null; then
        echo "a refused run changed $1:" >&2
        diff -r "$2" "$1" >&2
        fail=1
    fi
}

# The log to export lies where the module would write its Cabrillo file.
mkdir logs
log DL1ABC >logs/DL1ABC.cbr
cp -r logs logs.before
expect 2 "read by this run" export logs/DL1ABC.cbr --cty "$cty" --out logs
unchanged logs logs.before
expect 2 "does not write over its input" score logs/DL1ABC.cbr --cty "$cty" --out o \
    --json logs/DL1ABC.cbr
unchanged logs logs.before
[ -e o ] && { echo "a refused run made the folder o" >&2; fail=1; }

# --out at a logger's own folder: its Harlo2.ini, or its plug-in settings.
mkdir -p harlo/Plugins
printf '[Main]\r\nHarlo=2.21\r\nLastLog=DL1ABC.log\r\n' >harlo/Harlo2.ini
printf '[Settings]\r\nMode=1\r\nName=Pat\r\n' >harlo/Plugins/CQ-WW-160-CW-SSB.ini
cp -r harlo harlo.before
expect 2 "was not made by cq160" score logs/DL1ABC.cbr --cty "$cty" --out harlo
unchanged harlo harlo.before
rm harlo/Harlo2.ini harlo.before/Harlo2.ini
expect 2 "was not made by cq160" export logs/DL1ABC.cbr --cty "$cty" --out harlo
unchanged harlo harlo.before

# report: its page over the log, a working folder of another program.
expect 2 "does not write over its input" report logs/DL1ABC.cbr -o logs/DL1ABC.cbr --cty "$cty" \
    --out r
unchanged logs logs.before
mkdir -p r/DL1ABC/Plugins
printf '[Settings]\r\nName=Pat\r\n' >r/DL1ABC/Plugins/CQ-WW-160-CW-SSB.ini
cp -r r r.before
expect 2 "was not made by cq160" report logs/DL1ABC.cbr -o page.html --cty "$cty" --out r
unchanged r r.before
[ -e page.html ] && { echo "a refused report wrote its page" >&2; fail=1; }

# cq160's own working folder is used again, the next run's files in it.
expect 0 "Score:" export logs/DL1ABC.cbr --cty "$cty" --out own
expect 0 "Score:" export logs/DL1ABC.cbr --cty "$cty" --out own
[ -f own/DL1ABC.cbr ] || { echo "no own/DL1ABC.cbr" >&2; fail=1; }

# Two logs of one station in a batch: a working folder and a file each.
mkdir batch
log W3ABC MA >batch/W3ABC-a.log
log W3ABC NY >batch/W3ABC-b.log
expect 0 "2 logs" export batch --cty "$cty" --out b
files=$(cd b && find . -name '*.cbr' | sort | tr '\n' ' ')
[ "$files" = "./W3ABC/W3ABC.cbr ./W3ABC_W3ABC-b_log/W3ABC.cbr " ] ||
    { echo "batch of one call: $files" >&2; fail=1; }
grep -q "599 MA" b/W3ABC/W3ABC.cbr && grep -q "599 NY" b/W3ABC_W3ABC-b_log/W3ABC.cbr ||
    { echo "the two logs' Cabrillo files are not their own" >&2; fail=1; }

# A drive in the call: the module's file stays in the working folder.
log DL1ABC | sed 's/^CALLSIGN: DL1ABC/CALLSIGN: C:X/' >drive.log
expect 1 "Cabrillo file: d/C_X.cbr" export drive.log --cty "$cty" --out d
[ -f d/C_X.cbr ] || { echo "no d/C_X.cbr" >&2; fail=1; }

# Cyrillic (Windows-1251) in the CONTEST tag and an exchange, as JSON.
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: UA3ABC\r\nCONTEST: \xd2\xc5\xd1\xd2\r\n'
    printf 'QSO: 1822 CW 2027-01-29 2205 UA3ABC 599 16 OK1AB 599 15\xc6\r\nEND-OF-LOG:\r\n'
} >cyrillic.log
expect 1 "Score:" score cyrillic.log --cty "$cty" --out c --weekend CW --json cyrillic.json
python3 - cyrillic.json <<'PY' || fail=1
import json, sys
result = json.loads(open(sys.argv[1], "rb").read().decode("utf-8"))
assert result["qsos"][0]["exchange"] == "15\u0416", result["qsos"][0]
assert any("CONTEST \u0422\u0415\u0421\u0422" in w["text"] for w in result["warnings"]), \
    result["warnings"]
PY

# An ADIF log whose records carry no sent exchange.
{
    printf 'ADIF export\n<EOH>\n'
    printf '<CALL:5>OK1AB<QSO_DATE:8>20270129<TIME_ON:4>2205<FREQ:5>1.822<MODE:2>CW'
    printf '<SRX:2>15<STATION_CALLSIGN:6>DL1ABC<EOR>\n'
} >nosent.adi
expect 1 "give --sent with your CQ zone (the country file gives 14 for" \
    score nosent.adi --cty "$cty" --out n
expect 0 "Score:" score nosent.adi --cty "$cty" --out n --sent 14
grep -q "give --sent" out.txt err.txt && { echo "--sent given, still the warning" >&2; fail=1; }

[ "$fail" = 0 ] && echo "own files kept, texts in their place"
exit $fail
