#!/bin/bash
# Builds the release tree with Debian's usual compiler and linker flags and makes the Debian
# package from it: out/excel2vcard_VERSION_ARCH.deb. The path of the package is the last
# line on standard output. Usage: scripts/package.sh [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=$(mkdir -p "${1:-out}" && cd "${1:-out}" && pwd)
scripts/setup.sh

# Debian's flags, Release, under /usr (scripts/package-tree.sh). No -Werror: a packager's newer
# compiler may warn where ours does not. A tree that scripts/test.sh built with these flags
# (tests added, warnings as errors) is only brought up to date: the same programs come out.
. scripts/package-tree.sh
dir=build/package
if ! package_tree_is_current "$dir"; then
    package_tree "$dir" -DE2V_WERROR=OFF -DE2V_BUILD_TESTS=OFF -DE2V_BUILD_BENCH=OFF
fi
cmake --build "$dir" -- -j"$(nproc)"

rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/*.deb)
mv -f "$deb" "$out/"
echo "$out/$(basename "$deb")"
