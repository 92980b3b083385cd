#!/bin/bash
# Times the module through its exports (bench/stats_bench.cpp) and prints a
# table: median microseconds per replay, call check, summary and removal at
# each log size, and the heap the module holds per logged QSO.
#   bench.sh [BASE] [SIZES]
# BASE (a commit, e.g. the last one before a change) is built from a
# temporary git worktree and measured in the same run; the table then shows
# its figures and the ratio. SIZES defaults to 2000,20000,100000.
# The module's working folders go to memory (/dev/shm) when it is there, so
# that the disk's flushes (every whole-file write syncs) do not drown the
# module's own time; STATS_BENCH_DIR names another parent folder.
set -euo pipefail
cd "$(dirname "$0")/.."
base="${1:-}"
sizes="${2:-2000,20000,100000}"
jobs=2

cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs" --target Stats stats_bench >/dev/null
modules=("$PWD/build/native/libStats.so=new")

work=$(mktemp -d)
cleanup() {
    [ -n "$base" ] && git worktree remove --force "$work/src" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$base" ]; then
    git worktree add --detach "$work/src" "$base" >/dev/null 2>&1
    cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$work/build" -j"$jobs" --target Stats >/dev/null
    modules=("$work/build/libStats.so=base" "${modules[@]}")
fi

bench_dir="${STATS_BENCH_DIR:-}"
if [ -z "$bench_dir" ]; then
    bench_dir="$work"
    [ -d /dev/shm ] && [ -w /dev/shm ] && bench_dir=/dev/shm
fi
TMPDIR="$bench_dir" build/native/bench/stats_bench --qsos="$sizes" "${modules[@]}" \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/out.json" --benchmark_out_format=json >&2

python3 - "$work/out.json" <<'PY'
import json, sys
rows = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    kind, label, n = b["run_name"].split("/")[:3]
    rows.setdefault((kind, int(n)), {})[label] = b
labels = sorted({l for r in rows.values() for l in r}, key=lambda l: l != "base")
order = ["replay", "check_logged", "check_new", "summary", "removal"]
head = "%-13s %7s" % ("case", "QSOs") + "".join("%14s" % (l + " us") for l in labels)
if len(labels) == 2:
    head += "%9s" % "ratio"
print(head)
for kind in order:
    for n in sorted(k[1] for k in rows if k[0] == kind):
        r = rows[(kind, n)]
        line = "%-13s %7d" % (kind, n)
        t = [r[l]["real_time"] if l in r else None for l in labels]
        line += "".join("%14.3f" % v if v is not None else "%14s" % "-" for v in t)
        if len(labels) == 2 and None not in t and t[1] > 0:
            line += "%8.1fx" % (t[0] / t[1])
        print(line)
for n in sorted(k[1] for k in rows if k[0] == "replay"):
    r = rows[("replay", n)]
    print("heap per QSO at %d: " % n +
          ", ".join("%s %.0f bytes" % (l, r[l]["heap_per_qso"]) for l in labels if l in r))
PY
