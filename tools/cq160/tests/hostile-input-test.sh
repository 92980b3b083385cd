#!/bin/bash
# cq160 on inputs that are not what they claim to be:
#   hostile-input-test.sh WORKDIR CTY RUNNER... CQ160
# An endless or huge input is refused with exit status 2 and a message (not
# read until memory runs out); a CALLSIGN line cannot move the working
# folder out of cq160-out; a Cabrillo log without END-OF-LOG is scored with
# a warning that it may be truncated.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/script_lib.sh" "$@"

log() {  # log CALLSIGN [END]: a one-QSO Cabrillo log
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: %s\r\nCONTEST: CQ-160-CW\r\n' "$1"
    printf 'QSO: 1822 CW 2027-01-29 2205 DL1ABC 599 14 K1AB 599 MA\r\n'
    [ -n "${2:-}" ] && printf 'END-OF-LOG:\r\n'
    return 0
}

log DL1ABC end >good.log
truncate -s 65M huge.log   # sparse: no disk space taken
expect 2 "larger than 64 MB" score /dev/zero --cty "$cty" --out o
expect 2 "larger than 64 MB" score huge.log --cty "$cty" --out o
expect 2 "larger than 64 MB" score good.log --cty /dev/zero --out o
[ -e o ] && { echo "a refused input still made the folder o" >&2; fail=1; }

# The working folder stays below cq160-out, named by call-sign characters.
mkdir jail
cd jail
for call in .. ../x '../../etc' './/'; do
    log "$call" end >evil.log
    # Status 1: the QSO line's own call is not the CALLSIGN.
    expect 1 "Score:" score evil.log --cty "$cty"
    if [ -e Harlo2.ini ] || [ -e Plugins ] || [ -e ../Harlo2.ini ] || [ -e ../x ]; then
        echo "CALLSIGN: $call wrote outside cq160-out" >&2
        fail=1
    fi
done
names=$(cd cq160-out && ls | sort | tr '\n' ' ')
[ "$names" = "NOCALL _X __ETC " ] || { echo "working folders: $names" >&2; fail=1; }
cd ..

log DL1ABC >cut.log
expect 1 "the log may be truncated" score cut.log --cty "$cty" --out o
expect 0 "Score:" score good.log --cty "$cty" --out o
grep -q "truncated" out.txt && { echo "a complete log was called truncated" >&2; fail=1; }
[ "$fail" = 0 ] && echo "hostile inputs refused as expected"
exit $fail
