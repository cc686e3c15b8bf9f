#!/usr/bin/env bash
# Installs the Debian packages that BELLSCOPE needs, when they are missing.
#   install-deps.sh build    - compiler, CMake, GoogleTest, Google Benchmark, SDL2
#   install-deps.sh gui      - Xvfb, xdotool and ImageMagick for the window tests
#   install-deps.sh windows  - MinGW-w64 with zlib, Wine and icoutils for the Windows build
#   install-deps.sh package  - lintian for checking the Debian package
#   install-deps.sh fuzz     - Clang and libFuzzer for the fuzz targets
#   install-deps.sh clang    - Clang with libc++ and clang-format
#   install-deps.sh web      - Emscripten and zopfli for the browser build
#   install-deps.sh browser  - Chromium and Node.js for the browser tests
#   install-deps.sh js       - Node.js and npm for ESLint, Prettier and TypeScript
# As root it runs apt-get; otherwise it prints the command to run.
set -euo pipefail

packages=()
for group in "$@"; do
  case "$group" in
    build) packages+=(build-essential cmake libgtest-dev libbenchmark-dev libsdl2-dev zlib1g-dev dpkg-dev file) ;;
    gui) packages+=(xvfb xauth x11-utils xdotool imagemagick) ;;
    windows) packages+=(g++-mingw-w64-x86-64 libz-mingw-w64-dev googletest wine wine64 icoutils python3) ;;
    package) packages+=(lintian file python3 zip) ;;
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    clang) packages+=(clang-14 libc++-14-dev libc++abi-14-dev clang-format-14) ;;
    web) packages+=(emscripten nodejs zopfli) ;;
    browser)
      packages+=(chromium nodejs python3)
      command -v npm >/dev/null || packages+=(npm) ;;
    js)
      packages+=(nodejs)
      command -v npm >/dev/null || packages+=(npm) ;;
    *) echo "install-deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them with:  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing ${missing[*]} ..."
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=600 -y -q --no-install-recommends)
apt-get update -q </dev/null >/dev/null
apt-get install "${apt_opts[@]}" "${missing[@]}" </dev/null >/dev/null
