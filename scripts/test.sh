#!/bin/bash
# Sets up, builds and runs every test twice: a normal build, then one with the address and
# undefined-behaviour sanitizers. Entries labelled "tool" (the window screenshots) are left out:
# they draw, they do not check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh

# The normal build is the tree the Debian package is made from (Release, Debian's flags; see
# scripts/package-tree.sh), with the tests and benchmarks added and warnings as errors: the
# tests run on the programs that ship, and scripts/package.sh needs no build of its own.
(
    . scripts/package-tree.sh
    package_tree build/package -DE2V_WERROR=ON -DE2V_BUILD_TESTS=ON -DE2V_BUILD_BENCH=ON
    cmake --build build/package -- -j"$(nproc)"
)
ctest --test-dir build/package --output-on-failure -j2 -LE tool

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# What the libraries under us leak at exit (OpenSSL under Qt's TLS) is theirs; ours is reported.
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DE2V_SANITIZE=ON -DE2V_BUILD_BENCH=OFF
# The layout in every language checks words and sizes, not memory: once, in English, is enough here.
ctest --test-dir build/asan --output-on-failure -j2 -LE 'tool|languages'
