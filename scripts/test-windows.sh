#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, with Xvfb as Wine's X server and
# a persistent wineserver so that each test process starts quickly.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then exec scripts/with-xvfb.sh "$0" "$@"; fi

export WINEPREFIX="${WINEPREFIX:-$PWD/build-windows/wineprefix}" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# Wine's services are started here, not from inside ctest, whose pipes they
# would inherit.
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p >/dev/null 2>&1
wineboot >/dev/null 2>&1
trap 'wineserver -k >/dev/null 2>&1 || true; wineserver -w || true' EXIT

cd build-windows
ctest --output-on-failure --timeout 120 "$@"
