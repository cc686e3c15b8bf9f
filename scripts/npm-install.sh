#!/usr/bin/env bash
# Installs the browser tests' npm packages (playwright-core, pinned by the
# lock file) into tests/web/node_modules when they are missing. The browser is
# Debian's chromium: playwright downloads none.
set -euo pipefail
cd "$(dirname "$0")/../tests/web"
[ -f node_modules/playwright-core/package.json ] && [ -f node_modules/axe-core/axe.min.js ] && exit 0
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
