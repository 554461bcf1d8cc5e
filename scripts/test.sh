#!/bin/bash
# Sets up, builds and runs every test twice: a normal build, then one with the address and
# undefined-behaviour sanitizers. Entries labelled "tool" (the window screenshots) are left out:
# they draw, they do not check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh

scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build/release --output-on-failure -j2 -LE tool

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
scripts/build.sh build/asan -DCMAKE_BUILD_TYPE=Debug -DE2V_SANITIZE=ON -DE2V_BUILD_BENCH=OFF
ctest --test-dir build/asan --output-on-failure -j2 -LE tool
