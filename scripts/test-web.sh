#!/usr/bin/env bash
# Browser tests of the web build (build-web/) in headless Chromium: writes the
# frames the Linux program (build/) shows for the test scenarios, installs
# playwright-core from the lock file when it is missing, and runs the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
for f in build-web/index.html build-web/bellscope.html build/tests/reference_frames; do
  [ -e "$f" ] || { echo "test-web.sh: $f is missing: run make web and make build first" >&2; exit 1; }
done
rm -rf build-web/reference-frames
mkdir -p build-web/reference-frames
SDL_VIDEODRIVER=dummy build/tests/reference_frames tests/web/scenarios.txt build-web/reference-frames
scripts/npm-install.sh
cd tests/web
node --test looks.test.js web.test.js classroom.test.js view.test.js challenge.test.js languages.test.js app.test.js \
  readme.test.js
