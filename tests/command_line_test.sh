#!/usr/bin/env bash
# The installed programs' command lines: --help and --version answer on
# standard output with exit 0 and open no window (no display is given);
# anything else is named in a one-line error with exit 2; the start-up frame
# is at most 8 KB.
#   command_line_test.sh BELLSCOPE BELLSCOPE_FRAME [LAUNCHER...]
set -u
bellscope=$1
frame=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# matches FILE PATTERN: EMPTY means an empty file.
matches() {
  case $2 in
    EMPTY) [ ! -s "$1" ] ;;
    *) grep -qE -e "$2" "$1" ;;
  esac
}
expect() {  # expect NAME CODE STDOUT_PATTERN STDERR_PATTERN PROGRAM ARGS...
  local name=$1 code=$2 out=$3 err=$4
  shift 4
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$@" >"$work/out" 2>"$work/err"
  local got=$?
  tr -d '\r' <"$work/out" >"$work/out.txt"
  tr -d '\r' <"$work/err" >"$work/err.txt"
  if [ "$got" = "$code" ] && matches "$work/out.txt" "$out" && matches "$work/err.txt" "$err"; then
    echo "ok   $name"
  else
    echo "FAIL $name: exit $got; stdout: $(head -c 300 "$work/out.txt"); stderr: $(head -c 300 "$work/err.txt")"
    failures=$((failures + 1))
  fi
}
expect "bellscope --version" 0 '^bellscope [0-9]+\.[0-9]+\.[0-9]+$' EMPTY "$@" "$bellscope" --version
expect "bellscope --help" 0 '^usage: bellscope' EMPTY "$@" "$bellscope" --help
# Shift steps by ten on Linux; the Windows executable's help says it does not there.
case $bellscope in
  *.exe) shift_step='Shift changes nothing' ;;
  *) shift_step='by ten with Shift' ;;
esac
expect "bellscope --help tells what Shift does" 0 "$shift_step" EMPTY "$@" "$bellscope" --help
expect "bellscope with a bad argument" 2 EMPTY "^bellscope: --frobnicate: unknown option$" "$@" "$bellscope" --frobnicate
expect "bellscope with a bad view" 2 EMPTY "^bellscope: --sigma 5=3: there is no Gaussian 5$" "$@" "$bellscope" --sigma 5=3
expect "bellscope-frame --version" 0 '^bellscope-frame [0-9]+\.[0-9]+\.[0-9]+$' EMPTY "$@" "$frame" --version
expect "bellscope-frame --help" 0 '--sigma K=V' EMPTY "$@" "$frame" --help
expect "bellscope-frame with a bad number" 2 EMPTY "^bellscope-frame: --u 1=abc: 'abc' is not a number$" \
  "$@" "$frame" --u 1=abc "$work/a.png"
expect "bellscope-frame with no such Gaussian" 2 EMPTY '^bellscope-frame: --sigma 5=3: there is no Gaussian 5$' \
  "$@" "$frame" --sigma 5=3 "$work/a.png"
# The start-up frame, compressed, fits a slide's budget.
# Written in the work folder by a relative name, which a Windows program
# under Wine understands as well.
frame_path=$(realpath "$frame")
if (cd "$work" && env -u DISPLAY timeout 20 "$@" "$frame_path" start.png >/dev/null 2>&1); then
  size=$(wc -c <"$work/start.png")
  if [ "$size" -le 8192 ]; then echo "ok   start-up frame is $size bytes"; else
    echo "FAIL start-up frame is $size bytes (at most 8192)"; failures=$((failures + 1)); fi
else
  echo "FAIL bellscope-frame could not write the start-up frame"; failures=$((failures + 1))
fi
[ $failures -eq 0 ]
