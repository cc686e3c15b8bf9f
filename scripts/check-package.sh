#!/usr/bin/env bash
# Builds the Debian package and the Windows zip, checks the .deb with lintian,
# unpacks it into a throw-away root and runs the installed programs from there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build package
make package

deb=$(ls dist/bellscope_*_amd64.deb)
zip=$(ls dist/bellscope-*-windows-x64.zip)
echo "== lintian $deb"
lintian --fail-on error "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
echo "== installed bellscope-frame"
"$root/usr/bin/bellscope-frame" --recalc --on 1,2,3 "$root/frame.png"
file "$root/frame.png" | grep -q 'PNG image data, 800 x 450, 8-bit colormap'
echo "frame written: $(file -b "$root/frame.png")"
echo "== installed bellscope"
scripts/e2e.sh "$root/usr/bin/bellscope"
tests/no_display_test.sh "$root/usr/bin/bellscope"

echo "== $zip"
listing=$(python3 -m zipfile -l "$zip")
echo "$listing"
for f in bellscope.exe bellscope-frame.exe README.txt LICENSE.txt; do
  grep -q "^$f " <<<"$listing" || { echo "missing $f in $zip"; exit 1; }
done
web_zip=$(ls dist/bellscope-*-web.zip)
web_html=$(ls dist/bellscope-*.html)
echo "== $web_zip and $web_html"
listing=$(python3 -m zipfile -l "$web_zip")
echo "$listing"
folder=$(basename "$web_zip" .zip)
for f in index.html bellscope-sw.js manifest.webmanifest text-fr.js README.txt LICENSE.txt; do
  grep -q "^$folder/$f " <<<"$listing" || { echo "missing $folder/$f in $web_zip"; exit 1; }
done
# The single file carries its WebAssembly inside and loads nothing beside it.
grep -q 'data:application/octet-stream;base64,' "$web_html" || { echo "$web_html has no inlined module"; exit 1; }
if grep -q 'src="bellscope.js"' "$web_html"; then echo "$web_html loads bellscope.js from beside it"; exit 1; fi
echo "packages checked"
