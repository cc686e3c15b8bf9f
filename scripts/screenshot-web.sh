#!/usr/bin/env bash
# Makes docs/web-screenshot.png: the web page as headless Chromium shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/web-screenshot.png}")
scripts/npm-install.sh
(cd tests/web && node screenshot.js "$out")
echo "wrote $out"
