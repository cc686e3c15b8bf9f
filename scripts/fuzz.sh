#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, and runs each for
# FUZZ_SECONDS (default 60), starting from its seed corpus in tests/fuzz/corpus/
# (copied, so the seeds in the tree stay as they are). A crash stops the run
# and leaves its input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
jobs=$(nproc 2>/dev/null || echo 2)
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELLSCOPE_FUZZ=ON \
  -DBELLSCOPE_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_raster fuzz_frame_options fuzz_window_messages
mkdir -p build-fuzz/findings
export SDL_VIDEODRIVER=dummy
for target in fuzz_raster fuzz_frame_options fuzz_window_messages; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/$target/* "$corpus/"
  echo "== $target for ${seconds} s"
  build-fuzz/tests/fuzz/$target "$corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 2>build-fuzz/$target.log ||
    { tail -60 build-fuzz/$target.log; echo "$target found a fault: see build-fuzz/findings/"; exit 1; }
  grep -E '^stat::number_of_executed_units|^Done' build-fuzz/$target.log || true
done
echo "fuzz: 3 passed, 0 failed"
