#!/usr/bin/env bash
# Checks that every C++ file in the tree is formatted as .clang-format says,
# and that the JavaScript (the page's scripts, the browser tests and the
# benchmark scripts) passes ESLint and is formatted as Prettier says
# (.prettierrc.json), that the page's scripts pass TypeScript's strict check
# of their JSDoc types (jsconfig.json), and that every translation of the
# page has every text with its placeholders (check-texts.js). With --fix,
# formats them all instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
scripts/npm-install.sh
if [ "${1:-}" = "--fix" ]; then
  clang-format-14 -i "${files[@]}"
  npx --no-install prettier --write --log-level warn .
  exit 0
fi
status=0
if clang-format-14 --dry-run --Werror "${files[@]}"; then
  echo "format: ${#files[@]} C++ files as .clang-format says"
else
  echo "format: some C++ files differ from .clang-format (scripts/check-format.sh --fix formats them)"
  status=1
fi
if npx --no-install prettier --check --log-level warn .; then
  echo "format: the JavaScript and CSS as Prettier says"
else
  echo "format: some files differ from Prettier's form (scripts/check-format.sh --fix formats them)"
  status=1
fi
if npx --no-install eslint .; then
  echo "lint: ESLint finds nothing"
else
  status=1
fi
if npx --no-install tsc -p jsconfig.json; then
  echo "types: TypeScript finds nothing in the page's scripts"
else
  status=1
fi
node scripts/check-texts.js || status=1
exit $status
