#!/usr/bin/env bash
# Makes docs/web-screenshot.png, docs/web-phone.png, docs/web-challenge.png
# and docs/web-track.png: the web page as headless Chromium shows it in a
# desktop window and on a phone, a challenge's round after Check, and a walk
# of Track's.
set -euo pipefail
cd "$(dirname "$0")/.."
desktop=$(realpath -m "${1:-docs/web-screenshot.png}")
phone=$(realpath -m "${2:-docs/web-phone.png}")
challenge=$(realpath -m "${3:-docs/web-challenge.png}")
track=$(realpath -m "${4:-docs/web-track.png}")
scripts/npm-install.sh
(cd tests/web && node screenshot.js "$desktop" "$phone" "$challenge" "$track")
echo "wrote $desktop, $phone, $challenge and $track"
