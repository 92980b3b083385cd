#!/bin/bash
# cq160 export carries the log's own categories and LOCATION into the
# module's Cabrillo file: cq160 enters them in the header dialog as the
# operator would (cq160.exe in the real dialog, cq160 through libStats.so's
# hook), and leaves the module's defaults where the log has no tag.
#   export-header-test.sh WORKDIR CTY RUNNER... CQ160
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

# export LOG: cq160 export in folder "o", which must leave o/CALL.cbr.
export_log() {
    local status=0
    "${cq160[@]}" export "$1" --cty "$cty" --out o --today 2027-03-01 >out.txt 2>err.txt ||
        status=$?
    if [ "$status" != 0 ]; then
        echo "cq160 export $1: exit status $status" >&2
        cat out.txt err.txt >&2
        fail=1
    fi
}
# has FILE LINE...: every LINE is a whole line (before its CR) of FILE.
has() {
    local file=$1
    shift
    for line in "$@"; do
        if ! tr -d '\r' <"$file" | grep -qxF -- "$line"; then
            echo "$file: no line \"$line\"" >&2
            fail=1
        fi
    done
}

qso() { printf 'QSO: 1822 CW 2027-01-29 %s %s 599 %s %s 599 %s\r\n' "$@"; }
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: OK1ABC\r\nCONTEST: CQ-160-CW\r\n'
    printf 'CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-ASSISTED: ASSISTED\r\n'
    printf 'CATEGORY-MODE: CW\r\nCATEGORY-POWER: LOW\r\nCATEGORY-STATION: PORTABLE\r\n'
    printf 'CATEGORY-TRANSMITTER: TWO\r\nCATEGORY-OVERLAY: ROOKIE\r\nLOCATION: DX\r\n'
    printf 'NAME: Pat Example\r\nOPERATORS: OK1ABC OK1XYZ\r\nSOAPBOX: first\r\nSOAPBOX: second\r\n'
    qso 2205 OK1ABC 15 K1AB MA
    qso 2206 OK1ABC 15 DL1AB 14
    printf 'END-OF-LOG:\r\n'
} >multi.log
export_log multi.log
has o/OK1ABC.cbr "CATEGORY-OPERATOR: MULTI-OP" "CATEGORY-ASSISTED: ASSISTED" \
    "CATEGORY-BAND: 160M" "CATEGORY-MODE: CW" "CATEGORY-POWER: LOW" \
    "CATEGORY-STATION: PORTABLE" "CATEGORY-TRANSMITTER: TWO" "LOCATION: DX" \
    "NAME: Pat Example" "OPERATORS: OK1ABC OK1XYZ" "SOAPBOX: first" "SOAPBOX: second"
has o/Plugins/CQ-WW-160-CW-SSB.ini "Category=MULTI-OP" "Category_Overlay=ROOKIE"
has out.txt "Cabrillo header not as in the log: none"

# A province in the narrow LOCATION box, an item of a sorted list.
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: VE8ABC\r\nCONTEST: CQ-160-CW\r\n'
    printf 'CATEGORY-POWER: QRP\r\nCATEGORY-STATION: EXPEDITION\r\nLOCATION: NWT\r\n'
    qso 2205 VE8ABC NWT K1AB MA
    printf 'END-OF-LOG:\r\n'
} >ve8.log
export_log ve8.log
has o/VE8ABC.cbr "CATEGORY-POWER: QRP" "CATEGORY-STATION: EXPEDITION" "LOCATION: NWT" \
    "CATEGORY-OPERATOR: SINGLE-OP" "CATEGORY-ASSISTED: NON-ASSISTED"

# A log without category tags after those: the module's defaults again.
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: OK1ABC\r\nCONTEST: CQ-160-CW\r\n'
    qso 2205 OK1ABC 15 K1AB MA
    printf 'END-OF-LOG:\r\n'
} >plain.log
export_log plain.log
has o/OK1ABC.cbr "CATEGORY-OPERATOR: SINGLE-OP" "CATEGORY-ASSISTED: NON-ASSISTED" \
    "CATEGORY-POWER: HIGH" "CATEGORY-STATION: FIXED" "CATEGORY-TRANSMITTER: ONE" "LOCATION: DX"
[ "$fail" = 0 ] && echo "exported headers as in the logs"
exit $fail
