#!/bin/bash
# Builds the release tree with Debian's usual compiler and linker flags and makes the Debian
# package from it: out/excel2vcard_VERSION_ARCH.deb. The path of the package is the last
# line on standard output. Usage: scripts/package.sh [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=$(mkdir -p "${1:-out}" && cd "${1:-out}" && pwd)
scripts/setup.sh

# Distribution flags, hardening included (the programs read files from anywhere). No
# -Werror: a packager's newer compiler may warn where ours does not.
export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
CFLAGS="$(dpkg-buildflags --get CFLAGS) $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CFLAGS CXXFLAGS LDFLAGS

dir=build/package
# Flags are read when a tree is first configured: start afresh so that they always apply.
rm -f "$dir/CMakeCache.txt"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DE2V_WERROR=OFF -DE2V_BUILD_TESTS=OFF -DE2V_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -- -j"$(nproc)"

rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/*.deb)
mv -f "$deb" "$out/"
echo "$out/$(basename "$deb")"
