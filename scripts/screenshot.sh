#!/usr/bin/env bash
# Makes docs/screenshot.png: runs the real program under Xvfb, switches it to
# Parameter Recalculation with Enter, and captures its window.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$here/with-xvfb.sh" "$0" "$@"; fi
cd "$here/.."
out=${1:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"
build/bellscope &
pid=$!
for _ in $(seq 100); do
  wid=$(xdotool search --name '^BELLSCOPE$' 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
sleep 0.5
xdotool key --window "$wid" Return
sleep 0.5
import -window "$wid" "$out"
xdotool key --window "$wid" Escape 2>/dev/null || true  # the window may be gone before the release
wait $pid
echo "wrote $out"
