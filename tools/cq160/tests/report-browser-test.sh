#!/bin/bash
# cq160 report's pages in a real browser: headless Chromium, with the
# network off, loads the page of the CW example and the page comparing it
# with its two rivals; a script added to a copy of each page writes into
# the DOM, for every chart, how many of its bars, lines, marks or cells
# have a size, and how many resources the page loaded. The test reads that
# from the dumped DOM and wants every expected chart drawn, nothing loaded
# and no console message:
#   report-browser-test.sh WORKDIR CTY EXAMPLES CQ160
set -uo pipefail
work=$1
cty=$2
examples=$3
cq160=$4
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 2
fail=0
browser=$(command -v chromium || true)
if [ -z "$browser" ]; then
    echo "no chromium: scripts/install-deps.sh installs it" >&2
    exit 1
fi

"$cq160" report "$examples/cw/DL1ABC.log" --cty "$cty" --out o -o one.html \
    --today 2028-06-01 >/dev/null || [ $? = 1 ] || exit 1
"$cq160" report "$examples/cw/DL1ABC.log" "$examples/compare/OK2ABC.log" \
    "$examples/compare/RA3ABC.log" --cty "$cty" --out o -o three.html --today 2028-06-01 \
    >/dev/null || [ $? = 1 ] || exit 1

verdict='<script>
(function () {
  var lines = [];
  document.querySelectorAll("svg.chart").forEach(function (svg) {
    var drawn = 0;
    svg.querySelectorAll("rect.bar, polyline.line, circle.mark, rect.cell").forEach(function (e) {
      var b = e.getBBox();
      if (b.width > 0 || b.height > 0) drawn++;
    });
    var box = svg.getBoundingClientRect();
    lines.push("chart " + svg.id + " " + drawn + " " + Math.round(box.width) + " " +
               Math.round(box.height));
  });
  lines.push("resources " + performance.getEntriesByType("resource").length);
  var pre = document.createElement("pre");
  pre.id = "verdict";
  pre.textContent = lines.join("\n");
  document.body.appendChild(pre);
})();
</script>'

# The network off: a network namespace of its own where the system allows
# one, and in any case every host name unresolvable and a dead proxy.
isolate=()
unshare -n true 2>/dev/null && isolate=(unshare -n)

# check PAGE CHART...: the page's charts, exactly these, each drawn.
check() {
    local page=$1
    shift
    local name=${page%.html}
    VERDICT=$verdict awk '/<\/body>/ { print ENVIRON["VERDICT"] } { print }' "$page" >"$name-test.html"
    local profile
    profile=$(mktemp -d)
    timeout 120 "${isolate[@]}" "$browser" --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --proxy-server=127.0.0.1:9 \
        --host-resolver-rules="MAP * ~NOTFOUND" --enable-logging=stderr --v=0 \
        --window-size=1100,2000 --dump-dom "file://$PWD/$name-test.html" \
        >"$name-dom.html" 2>"$name-browser.txt"
    local status=$?
    rm -rf "$profile"
    if [ "$status" != 0 ]; then
        echo "$page: chromium exited with $status" >&2
        cat "$name-browser.txt" >&2
        fail=1
        return
    fi
    sed -n '/<pre id="verdict">/,/<\/pre>/p' "$name-dom.html" |
        sed 's/.*<pre id="verdict">//; s/<\/pre>.*//' >"$name-verdict.txt"
    if ! grep -q "^resources 0$" "$name-verdict.txt"; then
        echo "$page: no verdict, or the page loaded resources:" >&2
        cat "$name-verdict.txt" >&2
        fail=1
    fi
    local found
    found=$(awk '$1 == "chart" { print $2 }' "$name-verdict.txt" | tr '\n' ' ')
    if [ "$found" != "$* " ]; then
        echo "$page: charts [$found], not [$* ]" >&2
        fail=1
    fi
    awk -v page="$page" '$1 == "chart" && ($3 < 1 || $4 < 100 || $5 < 50) {
        print page ": chart " $2 " not drawn (" $3 " shapes, " $4 "x" $5 ")"; bad = 1 }
        END { exit bad }' "$name-verdict.txt" >&2 || fail=1
    # The page's own console only: Chromium's internal pages (chrome://)
    # may log too, for instance when a busy machine makes them slow.
    if grep "CONSOLE" "$name-browser.txt" | grep -q "source: file://"; then
        echo "$page: console messages:" >&2
        grep "CONSOLE" "$name-browser.txt" | grep "source: file://" >&2
        fail=1
    fi
}

one="rates multipliers continent-qsos continent-points states"
log() { for c in $one; do printf '%s ' "$1-$c"; done; }
check one.html $one
check three.html compare-rates compare-score compare-multipliers compare-difference \
    compare-continent-qsos compare-continent-points $(log log1) $(log log2) $(log log3)
[ "$fail" = 0 ] && echo "the pages' charts are drawn: $(grep -c '^chart' one-verdict.txt) and $(grep -c '^chart' three-verdict.txt)"
exit $fail
