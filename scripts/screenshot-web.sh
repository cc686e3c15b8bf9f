#!/usr/bin/env bash
# Makes docs/web-screenshot.png and docs/web-phone.png: the web page as
# headless Chromium shows it in a desktop window and on a phone.
set -euo pipefail
cd "$(dirname "$0")/.."
desktop=$(realpath -m "${1:-docs/web-screenshot.png}")
phone=$(realpath -m "${2:-docs/web-phone.png}")
scripts/npm-install.sh
(cd tests/web && node screenshot.js "$desktop" "$phone")
echo "wrote $desktop and $phone"
