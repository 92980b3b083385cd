#!/bin/bash
# What cq160 tells a contester before a log is sent, item by item: the
# operating time, the country file's date, the exchange check, --freq, the
# output files and the exit statuses, unused options, logs that are not
# text, the order of the warnings, the table of several logs, dupes and the
# results' "Bad QSO".
#   messages-test.sh WORKDIR CTY RUNNER... CQ160
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

# has FILE TEXT...: every TEXT is in FILE.
has() {
    local file=$1
    shift
    for text in "$@"; do
        grep -qF -- "$text" "$file" || { echo "$file: no \"$text\"" >&2; cat "$file" >&2; fail=1; }
    done
}

# A log with QSOs every 20 minutes from the CW weekend's start for HOURS
# hours, one line of header before the QSOs for each of HEADER...:
#   hours_log FILE HOURS HEADER...
hours_log() {
    local file=$1 hours=$2
    shift 2
    {
        printf 'START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n'
        for h in "$@"; do printf '%s\r\n' "$h"; done
        local m=0 n=1
        while [ "$m" -le $((hours * 60)) ]; do
            printf 'QSO: 1822 CW %s DL1ABC 599 14 DL%dAA 599 14\r\n' \
                "$(date -u -d "2027-01-29 22:00 $m minutes" '+%Y-%m-%d %H%M')" "$n"
            m=$((m + 20))
            n=$((n + 1))
        done
        printf 'END-OF-LOG:\r\n'
    } >"$file"
}

# 3. Operating time. 32 hours as a single operator: warned at the first QSO
# past 30 hours (22:00 + 30 h 20 min, the 92nd QSO, after 4 header lines).
hours_log single.log 32 'CATEGORY-OPERATOR: SINGLE-OP'
expect 1 "line 96: the operating time is 32 h 00 min, over the 30 hours a SINGLE-OP station may operate; the first QSO past 30 hours is DL92AA at 2027-01-31 0420" \
    score single.log --cty "$cty" --out o
has out.txt "Operating time: 32 h 00 min (the period less 1 off period of 30 min or more, 16 h 00 min), limit 30 h for SINGLE-OP"
# The same from a Cabrillo 2.0 CATEGORY line; 39 hours as a multi-operator
# station stay within its 40.
hours_log single2.log 32 'CATEGORY: SINGLE-OP-ASSISTED 160M LOW'
expect 1 "line 96: the operating time is 32 h 00 min" score single2.log --cty "$cty" --out o
hours_log multi.log 39 'CATEGORY-OPERATOR: MULTI-OP'
expect 0 "Operating time: 39 h 00 min" score multi.log --cty "$cty" --out o
has out.txt "limit 40 h for MULTI-OP" "Warnings: none"
expect 0 "Operating time:" score multi.log --cty "$cty" --out o --json m.json --csv m.csv
has m.json '"operatingMinutes": 2340'
has m.csv 'operating-time,,,,,2340,,'

# 5. The country file: its name and date, and a warning when the contest is
# more than a year newer.
sed 's/=VER[0-9]\{8\}/=VER20220101/' "$cty" >old-cty.dat
expect 1 "the country file is of 2022-01-01, more than a year before this contest (2027-01-29)" \
    score multi.log --cty old-cty.dat --out o
has out.txt "Country file: old-cty.dat (version 2022-01-01)"
sed 's/,=VER[0-9]\{8\}//' "$cty" >undated-cty.dat
touch -d '2026-12-24 12:00' undated-cty.dat
expect 0 "Country file: undated-cty.dat (file date 2026-12-24)" score multi.log \
    --cty undated-cty.dat --out o

# 4. Messages.
head='START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n'
qso='QSO: 1822 CW 2027-01-29 2205 DL1ABC 599 14 K1AB 599 MA\r\n'
printf "$head$qso"'QSO: 1822 CW 2027-01-29 2215 DL1ABC 599 14 K1AB 599 MA\r\nEND-OF-LOG:\r\n' >dupe.log
# check --exch: the module's typing check apart from the contest's verdict.
expect 0 "Exchange TX: the host's exchange field would not take it as typed (it takes two-digit CQ zones and the call-area digits of US and Canadian stations)" \
    check dupe.log K5NEW --exch TX --cty "$cty" --out o
has out.txt "Contest: TX is a state of this contest, a new multiplier"
grep -q "^Verdict: not a new multiplier" out.txt && { echo "the verdict contradicts" >&2; fail=1; }
expect 0 "Contest: 5 is no state or province of this contest: the QSO would not count" \
    check dupe.log K5NEW --exch 5 --cty "$cty" --out o
has out.txt "Exchange 5: the host's exchange field would take it as typed"
expect 0 "Contest: CQ zone 8, not a multiplier (the country file gives zone 8 for" \
    check dupe.log VP2VAA --exch 8 --cty "$cty" --out o
# --freq in Hz, kHz or MHz.
for f in 1830 1830000 1.83; do
    expect 0 "Check: K1NEW on 1830 kHz (160m), CW" check dupe.log K1NEW --freq "$f" --cty "$cty" --out o
done
expect 2 "--freq takes the frequency in Hz, kHz or MHz (1830000, 1830, 1.83), within an amateur band, not 99999999999" \
    check dupe.log K1NEW --freq 99999999999 --cty "$cty" --out o
expect 2 "not 5" check dupe.log K1NEW --freq 5 --cty "$cty" --out o
# --html and --results each their own file.
expect 0 "HTML results: a.html" score dupe.log --cty "$cty" --out o --html a.html --results r.txt
grep -q "<html>" a.html || { echo "a.html holds no HTML" >&2; fail=1; }
grep -q "<html>" r.txt && { echo "r.txt holds HTML" >&2; fail=1; }
has r.txt "Score: 10*(0+1) = 10"
# Options a command does not use; an output file that cannot be written.
expect 2 "--qsos is not an option of check" check dupe.log K1NEW --qsos --cty "$cty" --out o
expect 2 "--json is not an option of export" export dupe.log --json x.json --cty "$cty" --out o
expect 2 "--exch is not an option of score" score dupe.log --exch 5 --cty "$cty" --out o
expect 3 "cannot write /no/such/folder/x.json" score dupe.log --json /no/such/folder/x.json \
    --cty "$cty" --out o
expect 0 "3 done, but an output file asked for could not" --help
# A log saved as UTF-16, and one that is no text at all.
printf "$head$qso"'END-OF-LOG:\r\n' | iconv -f ASCII -t UTF-16 >utf16.log
expect 2 "utf16.log is UTF-16 text" score utf16.log --cty "$cty" --out o
printf 'PK\003\004\024\000\000\000\010\000' >binary.log  # the start of a zip file
expect 2 "binary.log is not a text file" score binary.log --cty "$cty" --out o
# Warnings in line order, whatever found them.
printf "$head"'QSO: 1822 PH 2027-01-29 2205 DL1ABC 59 14 K1AB 59 MA\r\nQSO: 1822 CW 2027-01-29 2206 DL2XYZ 599 14 K1CD 599 CT\r\nEND-OF-LOG:\r\n' >order.log
expect 1 "Warnings: 2" score order.log --cty "$cty" --out o
grep -A2 "^Warnings: 2" out.txt | sed -n 2p | grep -q "line 4:" ||
    { echo "warnings out of line order" >&2; cat out.txt >&2; fail=1; }
# A dupe names the QSO it repeats; the results' "Bad QSO" explained.
expect 0 "dupe of line 4" score dupe.log --qsos --cty "$cty" --out o --json d.json --csv d.csv
has d.json '"status": "dupe of line 4"'
has d.csv ',dupe of line 4'
printf "$head$qso"'QSO: 3522 CW 2027-01-29 2215 DL1ABC 599 14 K1CD 599 CT\r\nQSO: 1822 CW 2027-01-29 2216 DL1ABC 599 14 K1EF 599 XX\r\nEND-OF-LOG:\r\n' >bad.log
expect 0 "and \"Bad QSO 2\" counts these problems: bad state or province: 1, wrong band: 1" \
    score bad.log --cty "$cty" --out o
# Several logs: columns kept with long names, and the table as CSV and JSON.
cp dupe.log a-log-with-a-name-far-longer-than-the-column.log
expect 0 "Exit status: 0 (the worst of the logs)" score dupe.log \
    a-log-with-a-name-far-longer-than-the-column.log --cty "$cty" --out many \
    --csv many.csv --json many.json
header_call=$(sed -n 2p out.txt | awk '{ print index($0, "call") }')
for row in 3 4; do
    row_call=$(sed -n "${row}p" out.txt | awk '{ print index($0, "DL1ABC") }')
    [ "$header_call" = "$row_call" ] || { echo "row $row: call column moved" >&2; cat out.txt >&2; fail=1; }
done
has many.csv "log,call,weekend,qsos,claimed,module,difference,warnings,status" \
    "a-log-with-a-name-far-longer-than-the-column.log,DL1ABC,CW,2,,10,,0,0"
has many.json '"log": "dupe.log", "call": "DL1ABC", "weekend": "CW", "qsos": 2'
[ "$fail" = 0 ] && echo "messages as expected"
exit $fail
