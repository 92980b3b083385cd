# Sourced by cq160's script tests, which are called as
#   TEST.sh WORKDIR CTY RUNNER... CQ160
# Sets work (made absolute), cty and cq160 (the runner's words, if any,
# then the program), makes WORKDIR afresh and the current directory, starts
# fail at 0, and on exit fails a test that left a JSON file that does not
# load strictly.
# The tests' logs are of 2027: cty is a copy of CTY dated 2027-01-01, so that
# only the tests about it hear that a country file is older than the log.
strict_json=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/strict_json.py
work=$1
cq160=("${@:3}")
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 2
sed 's/=VER[0-9]\{8\}/=VER20270101/' "$2" >cty-2027.dat || exit 2
cty=$PWD/cty-2027.dat
fail=0

# Every JSON file a test leaves must load with a strict parser (UTF-8,
# RFC 8259): checked when the test ends, whatever it wrote.
work=$PWD
check_json_files() {
    local status=$? files=()
    mapfile -t files < <(find "$work" -type f -name '*.json')
    if [ "${#files[@]}" -gt 0 ] && ! python3 "$strict_json" "${files[@]}"; then
        exit 1
    fi
    exit "$status"
}
trap check_json_files EXIT

# expect STATUS TEXT ARGS...: exit status STATUS and TEXT in the output.
expect() {
    local want=$1 text=$2
    shift 2
    local status=0
    "${cq160[@]}" --today 2027-03-01 "$@" >out.txt 2>err.txt || status=$?
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
