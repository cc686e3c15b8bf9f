#!/usr/bin/env bash
# Checks that every C++ file in the tree is formatted as .clang-format says.
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format-14 -i "${files[@]}"
  exit 0
fi
if clang-format-14 --dry-run --Werror "${files[@]}"; then
  echo "format: ${#files[@]} files as .clang-format says"
else
  echo "format: some files differ from .clang-format (scripts/check-format.sh --fix formats them)"
  exit 1
fi
