#!/usr/bin/env bash
# Runs a command with a private Xvfb server as its display, then stops it.
#   with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
[ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$dir/display")"
# The number can come before the server answers: wait until it does.
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# The pointer starts at the middle of the screen, over any window opened at the
# top-left corner; park it in the far corner so that only the input a test
# sends reaches its windows.
xdotool mousemove 1279 799 2>/dev/null || true
"$@"
