#!/usr/bin/env bash
# Makes docs/web-screenshot.png, docs/web-phone.png and docs/web-challenge.png:
# the web page as headless Chromium shows it in a desktop window and on a
# phone, and a challenge's round after Check.
set -euo pipefail
cd "$(dirname "$0")/.."
desktop=$(realpath -m "${1:-docs/web-screenshot.png}")
phone=$(realpath -m "${2:-docs/web-phone.png}")
challenge=$(realpath -m "${3:-docs/web-challenge.png}")
scripts/npm-install.sh
(cd tests/web && node screenshot.js "$desktop" "$phone" "$challenge")
echo "wrote $desktop, $phone and $challenge"
