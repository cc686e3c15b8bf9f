#!/usr/bin/env bash
# Installs the page's npm packages (ESLint, Prettier and TypeScript for its
# JavaScript, terser to minify it, Closure Compiler for Emscripten's script,
# playwright-core and axe-core for the browser tests, pinned by the lock
# file) into node_modules/ when they are missing. The browser is Debian's chromium:
# playwright downloads none.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f node_modules/.package-lock.json ] && cmp -s package-lock.json node_modules/.bellscope-lock && exit 0
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json node_modules/.bellscope-lock
