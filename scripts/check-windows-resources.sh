#!/usr/bin/env bash
# Checks the resources of the Windows executables with wrestool: each carries
# the package's icon (all three sizes, as kept in packaging/bellscope.ico) and
# a version resource with the product name, a description and the version
# from CMake, which Explorer shows.
#   check-windows-resources.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
version=$(sed -n 's/^project(bellscope VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
failures=0
for exe in bellscope bellscope-frame; do
  file="$build/$exe.exe"
  work=$(mktemp -d)
  wrestool -x -t14 "$file" >"$work/icon.ico"
  wrestool -x --raw -t16 "$file" >"$work/version.bin"
  python3 - "$work/icon.ico" packaging/bellscope.ico "$work/version.bin" "$exe" "$version" <<'PY' || failures=$((failures + 1))
import struct, sys
icon, kept, version_file, exe, version = sys.argv[1:]
got, want = open(icon, 'rb').read(), open(kept, 'rb').read()
problems = []
if got[:len(want)] != want:
    problems.append('the icon is not packaging/bellscope.ico')
count = struct.unpack_from('<H', got, 4)[0] if len(got) >= 6 else 0
sizes = sorted(got[6 + 16 * i] or 256 for i in range(count))
if sizes != [16, 32, 64]:
    problems.append(f'icon sizes {sizes}')
text = open(version_file, 'rb').read().decode('utf-16-le', 'replace')
def value(key):
    start = text.find(key + '\0')
    if start < 0:
        return None
    rest = text[start + len(key):].lstrip('\0')
    return rest.split('\0', 1)[0]
expected = {'ProductName': 'BELLSCOPE', 'FileVersion': version, 'ProductVersion': version,
            'OriginalFilename': exe + '.exe', 'InternalName': exe}
for key, want_value in expected.items():
    if value(key) != want_value:
        problems.append(f'{key} is {value(key)!r}, expected {want_value!r}')
description = value('FileDescription') or ''
if 'BELLSCOPE' not in description:
    problems.append(f'FileDescription is {description!r}')
if 'MIT' not in (value('LegalCopyright') or ''):
    problems.append('LegalCopyright does not name the licence')
for p in problems:
    print(f'FAIL {exe}.exe: {p}')
if not problems:
    print(f'ok   {exe}.exe: icon {sizes}, {value("ProductName")} {value("FileVersion")}, "{description}"')
sys.exit(1 if problems else 0)
PY
  rm -rf "$work"
done
[ $failures -eq 0 ]
