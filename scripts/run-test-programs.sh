#!/usr/bin/env bash
# Runs every GoogleTest program of a build directly, as a maintainer would
# (not one process per test, as CTest does): once whole and once shuffled
# with a fresh random seed, which it prints so that a failure can be replayed.
#   run-test-programs.sh BUILD_DIR [LAUNCHER...]
#   e.g.  run-test-programs.sh build
#         run-test-programs.sh build-windows /usr/lib/wine/wine64
set -uo pipefail
build=$1
shift
launcher=("$@")
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy}
failures=0
programs=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for program in "$build"/tests/*_tests "$build"/tests/*_tests.exe; do
  [ -x "$program" ] || continue
  programs=$((programs + 1))
  seed=$(( (RANDOM << 15 | RANDOM) % 99999 + 1 ))
  for args in "" "--gtest_shuffle --gtest_random_seed=$seed"; do
    # Output goes to a file, not a pipe: helper processes that a launcher
    # such as Wine leaves running would hold a pipe open.
    # shellcheck disable=SC2086
    if timeout 600 "${launcher[@]}" "$program" $args >"$log" 2>&1 </dev/null; then
      echo "ok   $(basename "$program") $args"
    else
      echo "FAIL $(basename "$program") $args"
      grep -E '^\[  FAILED  \]|Failure' "$log" | head -20
      failures=$((failures + 1))
    fi
  done
done
[ $programs -gt 0 ] || { echo "run-test-programs.sh: no test programs in $build/tests"; exit 1; }
echo "test-programs: $((programs * 2 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
