#!/usr/bin/env bash
# Times computing the curves and composing a frame natively (build-bench/)
# and as WebAssembly in headless Chromium (build-web/), from the same source,
# and prints both figures and their ratio; then what the page costs when left
# alone, beside a static page with the same canvas, and the time to the first
# frame. First, the sizes of the pages, beside their budget.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# What a student's browser fetches, compressed as a server sends it (gzip -9),
# beside the budget: the single file, with every language, must stay within it.
budget=$((100 * 1024))
size() { gzip -9c "build-web/$1" | wc -c; }
single=$(size bellscope.html)
echo "bellscope.html: $single bytes gzip -9 (budget: $budget)"
served=0
for f in index.html bellscope-sw.js manifest.webmanifest; do
  echo "  served $f: $(size "$f") bytes gzip -9"
  served=$((served + $(size "$f")))
done
echo "  served page, all told: $served bytes gzip -9 (and two icons, $(cat build-web/bellscope-*.png | wc -c) bytes)"
texts=0
for f in build-web/text-*.js; do texts=$((texts + $(size "$(basename "$f")"))); done
echo "  other languages, fetched when wanted: $texts bytes gzip -9 in all"
[ "$single" -le "$budget" ] || { echo "bench-web: bellscope.html is over its budget" >&2; exit 1; }
passes=${PASSES:-4000}
native=$(build-bench/bench/pass_timing "$passes")
scripts/npm-install.sh
browser=$(cd tests/web && node pass_timing.js "$root/build-web/bench/pass_timing.js" "$passes")
echo "native:  $native"
echo "browser: $browser"
us() { sed -n 's/.*: \([0-9.]*\) us per pass.*/\1/p' <<<"$1"; }
sum() { sed -n 's/.*checksum \([0-9a-f]*\).*/\1/p' <<<"$1"; }
[ "$(sum "$native")" = "$(sum "$browser")" ] || { echo "bench-web: the two builds drew different frames" >&2; exit 1; }
awk -v n="$(us "$native")" -v b="$(us "$browser")" \
  'BEGIN { printf "browser/native: %.2fx (goal: at most 1.5x)\n", b / n }'

# The page served on a free port of 127.0.0.1 for the idle measurement.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 "$port" --directory build-web >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done
# The npm packages of the browser tests serve the idle measurement too.
node bench/web/idle_cpu.js "http://127.0.0.1:$port/" 10
# From navigation to the first frame: served, from disk, over a school's network.
node bench/web/first_frame.js
