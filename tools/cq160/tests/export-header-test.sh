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
    "${cq160[@]}" export "$@" --cty "$cty" --out o --today 2027-03-01 >out.txt 2>err.txt ||
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
# listing LOG ARGS...: export LOG and keep the header listing of its output
# (from "Cabrillo header lines" up to "Left out") in LOG.listing.
listing() {
    local log=$1
    export_log "$@"
    sed -n '/^Cabrillo header lines/,/^Left out/p' out.txt | sed '$d' >"$log.listing"
}
# same LOG.listing: the listing is exactly the text on standard input.
same() {
    if ! diff -u - "$1" >&2; then
        echo "$1: not the listing expected" >&2
        fail=1
    fi
}

# An ADIF log of a US station: its header is all the module's, LOCATION the
# state it sends (MY_STATE where it gives no sent exchange).
adif() {
    printf '<CALL:4>%s<QSO_DATE:8>20270129<TIME_ON:4>%s<FREQ:5>1.822<MODE:2>CW' "$1" "$2"
    printf '<STATE:2>%s<MY_STATE:2>PA<STATION_CALLSIGN:5>W3ABC<CONTEST_ID:9>CQ-160-CW<EOR>\r\n' "$3"
}
{ printf 'made by hand<EOH>\r\n'; adif K1AB 2205 MA; adif K2CD 2210 NY; } >w3.adi
listing w3.adi
has o/W3ABC.cbr "LOCATION: PA" "CATEGORY-POWER: HIGH" "OPERATORS: W3ABC"
same w3.adi.listing <<'END'
Cabrillo header lines not from the log: 11
  CATEGORY-OPERATOR: SINGLE-OP  (default, not from the log)
  CATEGORY-ASSISTED: NON-ASSISTED  (default, not from the log)
  CATEGORY-BAND: 160M  (default, not from the log)
  CATEGORY-MODE: CW  (default, not from the log)
  CATEGORY-POWER: HIGH  (default, not from the log)
  CATEGORY-STATION: FIXED  (default, not from the log)
  CATEGORY-TRANSMITTER: ONE  (default, not from the log)
  CLAIMED-SCORE: 8  (the module's score)
  CREATED-BY: Harlo cq160 1.0  (the host program and its version)
  LOCATION: PA  (from the log: the state or province W3ABC sends, in 2 of its 2 QSOs)
  OPERATORS: W3ABC  (default, not from the log: the own call)
  empty, as the log has none: CLUB, EMAIL, NAME, ADDRESS, ADDRESS-CITY, ADDRESS-STATE-PROVINCE, ADDRESS-POSTALCODE, ADDRESS-COUNTRY, SOAPBOX
Not in the Cabrillo file (the module writes no such line): none
END
# The entrant's choices on the command line, checked against Cabrillo 3.0.
listing w3.adi --category-power low --category-station PORTABLE --location NJ --grid FN20
has o/W3ABC.cbr "CATEGORY-POWER: LOW" "CATEGORY-STATION: PORTABLE" "LOCATION: NJ"
has w3.adi.listing "  LOCATION: NJ  (--location)" "  GRID-LOCATOR: FN20  (--grid)"
expect 2 "--category-power takes HIGH, LOW or QRP (the Cabrillo 3.0 list), not MEDIUM" \
    export w3.adi --cty "$cty" --out o --category-power MEDIUM
expect 2 "--location takes DX, AL, AZ" export w3.adi --cty "$cty" --out o --location HI
expect 2 "--grid takes a Maidenhead locator" export w3.adi --cty "$cty" --out o --grid FN2
expect 2 "--category-power is not an option of score (it is one of export)" score w3.adi --cty "$cty" --out o --category-power LOW

# A Cabrillo 2.0 log of a Canadian station: its CATEGORY line stands for
# three fields, the province it sends for LOCATION, its two ADDRESS lines
# become one.
{
    printf 'START-OF-LOG: 2.0\r\nCALLSIGN: VE3ABC\r\nCONTEST: CQ-160-CW\r\n'
    printf 'CATEGORY: SINGLE-OP-ASSISTED 160M LOW\r\nCLAIMED-SCORE: 30\r\nNAME: Kim Example\r\n'
    printf 'ADDRESS: 1 Main St\r\nADDRESS: Box 2\r\n'
    qso 2205 VE3ABC ON K1AB MA
    qso 2210 VE3ABC ON DL1AB 14
    printf 'END-OF-LOG:\r\n'
} >ve3.log
listing ve3.log
same ve3.log.listing <<'END'
Cabrillo header lines not from the log: 11
  CATEGORY-OPERATOR: SINGLE-OP  (the log's CATEGORY line, line 4)
  CATEGORY-ASSISTED: ASSISTED  (the log's CATEGORY line, line 4)
  CATEGORY-BAND: 160M  (the log's CATEGORY line, line 4)
  CATEGORY-MODE: CW  (default, not from the log)
  CATEGORY-POWER: LOW  (the log's CATEGORY line, line 4)
  CATEGORY-STATION: FIXED  (default, not from the log)
  CATEGORY-TRANSMITTER: ONE  (default, not from the log)
  CREATED-BY: Harlo cq160 1.0  (the host program and its version)
  LOCATION: ON  (from the log: the state or province VE3ABC sends, in 2 of its 2 QSOs)
  ADDRESS: 1 Main St, Box 2  (the log's 2 ADDRESS lines, joined: the module writes one; the log: 1 Main St / Box 2)
  OPERATORS: VE3ABC  (default, not from the log: the own call)
  empty, as the log has none: CLUB, EMAIL, ADDRESS-CITY, ADDRESS-STATE-PROVINCE, ADDRESS-POSTALCODE, ADDRESS-COUNTRY, SOAPBOX
Not in the Cabrillo file (the module writes no such line): none
END

# A Cabrillo 3.0 log with tags the module's file has no line for.
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: OK1ABC\r\nCONTEST: CQ-160-CW\r\n'
    printf 'CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-ASSISTED: NON-ASSISTED\r\n'
    printf 'CATEGORY-BAND: 160M\r\nCATEGORY-MODE: CW\r\nCATEGORY-POWER: LOW\r\n'
    printf 'CATEGORY-STATION: FIXED\r\nCATEGORY-TRANSMITTER: ONE\r\nCATEGORY-OVERLAY: CLASSIC\r\n'
    printf 'CATEGORY-TIME: 24-HOURS\r\nGRID-LOCATOR: JO70\r\nCLAIMED-SCORE: 40\r\n'
    printf 'CLUB: Example Club\r\nCREATED-BY: Harlo cq160 1.0\r\nLOCATION: DX\r\n'
    printf 'EMAIL: ok1abc@example.org\r\nNAME: Jan Example\r\nADDRESS: Street 1\r\n'
    printf 'ADDRESS-CITY: Praha\r\nADDRESS-POSTALCODE: 10000\r\nADDRESS-COUNTRY: Czech Republic\r\n'
    printf 'OPERATORS: OK1ABC\r\nSOAPBOX: One line\r\n'
    qso 2205 OK1ABC 15 K1AB MA
    qso 2210 OK1ABC 15 K2CD NY
    printf 'END-OF-LOG:\r\n'
} >ok1.log
listing ok1.log
same ok1.log.listing <<'END'
Cabrillo header lines not from the log: none
  empty, as the log has none: ADDRESS-STATE-PROVINCE
Not in the Cabrillo file (the module writes no such line): 3
  CATEGORY-OVERLAY: CLASSIC  (the log, line 11; kept in the module's settings only)
  CATEGORY-TIME: 24-HOURS  (the log, line 12)
  GRID-LOCATOR: JO70  (the log, line 13)
END

# A log of another contest (CQ WW DX in November) is not exported, unless
# the entrant insists.
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: OK1ABC\r\nCONTEST: CQ-WW-CW\r\n'
    printf 'QSO: 1822 CW 2026-11-28 0005 OK1ABC 599 15 K1AB 599 05\r\n'
    printf 'QSO: 7010 CW 2026-11-29 2350 OK1ABC 599 15 DL1AB 599 14\r\nEND-OF-LOG:\r\n'
} >cqww.log
rm -f o/OK1ABC.cbr
expect 2 "cqww.log: the log is of another contest: CONTEST CQ-WW-CW (line 3), QSOs from 2026-11-28 00:05 to 2026-11-29 23:50 UTC" \
    export cqww.log --cty "$cty" --out o
[ -e o/OK1ABC.cbr ] && { echo "a refused export left a Cabrillo file" >&2; fail=1; }
expect 1 "Cabrillo file: o/OK1ABC.cbr" export cqww.log --cty "$cty" --out o --force
sed 's/CQ-WW-CW/CQ-160-CW/' cqww.log >november.log
expect 2 "none of the log's QSOs lies in a CQ 160 weekend: they are from 2026-11-28 00:05" \
    export november.log --cty "$cty" --out o
[ "$fail" = 0 ] && echo "exported headers as in the logs"
exit $fail
