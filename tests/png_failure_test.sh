#!/usr/bin/env bash
# bellscope-frame when the picture cannot be written: an error that says why,
# exit code 1, and no partial file; an older file of the same name is kept
# whole, and a device named as the output is never removed.
#   png_failure_test.sh BELLSCOPE_FRAME
set -u
frame=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }

"$frame" "$work/missing/a.png" 2>"$work/err"
[ $? -eq 1 ] || fail "missing folder: exit code"
grep -q "^bellscope-frame: cannot write $work/missing/a.png: " "$work/err" || fail "missing folder: message $(cat "$work/err")"

# A size limit stops the write midway (2 KB of about 6 KB).
echo "an older picture" >"$work/old.png"
(ulimit -f 2; trap '' XFSZ; "$frame" "$work/old.png" 2>"$work/err")
[ $? -eq 1 ] || fail "write stopped midway: exit code"
grep -q "cannot write" "$work/err" || fail "write stopped midway: message $(cat "$work/err")"
[ "$(cat "$work/old.png")" = "an older picture" ] || fail "write stopped midway: the older file was damaged"
(ulimit -f 2; trap '' XFSZ; "$frame" "$work/new.png" 2>/dev/null)
[ ! -e "$work/new.png" ] || fail "write stopped midway: a partial new.png was left"
leftovers=$(find "$work" -name '*.partial')
[ -z "$leftovers" ] || fail "temporary files left: $leftovers"

# A full disk, as /dev/full: the error is reported and the device stays.
if [ -c /dev/full ]; then
  "$frame" /dev/full 2>"$work/err"
  [ $? -eq 1 ] || fail "/dev/full: exit code"
  grep -q "No space left" "$work/err" || fail "/dev/full: message $(cat "$work/err")"
  [ -c /dev/full ] || fail "/dev/full was removed"
fi

"$frame" "$work/old.png" && file "$work/old.png" | grep -q "PNG image data, 800 x 450" || fail "a good write replaces the older file"
[ $failures -eq 0 ] && echo "write failures handled"
[ $failures -eq 0 ]
