#!/usr/bin/env bash
# A start without any display must fail loudly and at once: the line
# "ERROR opening window" on standard output, exit code 1, within a second.
#   no_display_test.sh PROGRAM [LAUNCHER...]
set -u
program=$1
shift
out=$(mktemp)
trap 'rm -f "$out"' EXIT
start=$(date +%s%N)
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 10 "$@" "$program" >"$out" 2>/dev/null
code=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
limit_ms=${NO_DISPLAY_LIMIT_MS:-1000}
ok=1
[ "$code" -eq 1 ] || { echo "exit code $code, expected 1"; ok=0; }
[ "$(tr -d '\r' <"$out")" = "ERROR opening window" ] || { echo "output: $(cat "$out")"; ok=0; }
[ "$elapsed_ms" -le "$limit_ms" ] || { echo "took ${elapsed_ms} ms"; ok=0; }
[ $ok -eq 1 ] && echo "no-display start: exit 1 with its message in ${elapsed_ms} ms"
[ $ok -eq 1 ]
