#!/usr/bin/env bash
# End-to-end test of a BELLSCOPE executable in a real window under Xvfb: real
# key and mouse input through xdotool, pixel facts read from screenshots, and
# the exit code after Esc and after the window's close request.
#   e2e.sh PROGRAM [LAUNCHER...]   e.g.  e2e.sh build/bellscope
#                                         e2e.sh build-windows/bellscope.exe /usr/lib/wine/wine64
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$here/with-xvfb.sh" "$0" "$@"; fi
program=$1
shift
launcher=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

check() {  # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then passes=$((passes + 1)); echo "ok   $name"; else failures=$((failures + 1)); echo "FAIL $name"; fi
}

start() {
  launch
  # Now and then a fresh Xvfb refuses the very first window (seen about once
  # in ten runs here); one more try tells that from a program that cannot
  # open one.
  if [ -z "$wid" ] && ! kill -0 $pid 2>/dev/null && grep -q '^ERROR opening window' "$work/stdout"; then
    sleep 1
    launch
  fi
  report_no_window
  finish_start
}

launch() {
  "${launcher[@]}" "$program" >"$work/stdout" 2>"$work/stderr" &
  pid=$!
  wid=
  for _ in $(seq 150); do
    wid=$(xdotool search --name '^BELLSCOPE$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
    kill -0 $pid 2>/dev/null || break
  done
}

report_no_window() {
  if [ -z "$wid" ]; then
    if kill -0 $pid 2>/dev/null; then
      echo "no BELLSCOPE window appeared (the program is still running)"
      kill $pid 2>/dev/null
    else
      wait $pid && code=0 || code=$?
      echo "no BELLSCOPE window appeared: the program ended with exit code $code"
    fi
    echo "its standard output:"; cat "$work/stdout"
    echo "its standard error:"; cat "$work/stderr"
    exit 1
  fi
}

finish_start() {
  # The X window may be the client area alone or carry a frame: find the
  # client area's top-left corner on the screen.
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  left=$X
  top=$Y
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  sleep 1
}

# pixel X Y: the colour at image position (X, Y) as R,G,B.
pixel() {
  import -window root -crop "1x1+$((left + $1))+$((top + $2))" -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
stop_wait() {  # waits up to 20 s for the program; its exit code in $code
  code=timeout
  for _ in $(seq 200); do
    if ! kill -0 $pid 2>/dev/null; then
      wait $pid && code=0 || code=$?
      return
    fi
    sleep 0.1
  done
  kill $pid 2>/dev/null || true
}

start
check "window is at least 800x450" test "$WIDTH" -ge 800 -a "$HEIGHT" -ge 450
check "blue curve peaks at (100, 205)" is 100 205 0,0,255
check "red curve peaks at (250, 205)" is 250 205 255,0,0
check "marker at (680, 10)" is 688 10 249,249,249
check "last column is shown" is 799 305 255,255,255
check "no Combined line yet" is 14 120 0,0,0
xdotool key --window "$wid" Return
sleep 0.7
check "Enter shows the Combined line" is 14 120 249,249,249
xdotool key --window "$wid" Right
sleep 0.7
check "Right moves Gaussian 1 one column" is 101 205 0,0,255
check "... and off column 100" is 100 205 0,0,0
xdotool mousemove "$((left + 400))" "$((top + 200))" mousedown 1
sleep 0.7
xdotool mouseup 1
sleep 0.7
check "left button puts the mean under the pointer" is 400 205 0,0,255
xdotool mousemove "$((left + 500))" "$((top + 200))" mousedown 3
sleep 0.7
xdotool mousemove "$((left + 560))" "$((top + 200))"
sleep 0.7
xdotool mouseup 3
sleep 0.7
# Gaussian 1, now at u=400, widened from sigma 200 to 260: 0.514 at column 100.
check "right drag widens the selected curve" is 100 254 0,0,255
# The program ends on the key press and may destroy its window before
# xdotool sends the release, which xdotool then reports as an error: the exit
# code below is what counts.
xdotool key --window "$wid" Escape 2>/dev/null || true
stop_wait
check "Esc ends with exit code 0 (got $code)" [ "$code" = 0 ]
import -window root -crop "800x450+$left+$top" "$work/last.png" 2>/dev/null || true

# X may list the ended run's window a moment longer, and the next run's
# window may even get its id: wait until it is gone.
for _ in $(seq 50); do
  xdotool search --name '^BELLSCOPE$' 2>/dev/null | grep -q . || break
  sleep 0.1
done
start
python3 "$here/x11-close.py" "$wid"
stop_wait
check "the close request ends with exit code 0 (got $code)" [ "$code" = 0 ]

echo "e2e $(basename "$program"): $passes passed, $failures failed"
[ $failures -eq 0 ]
