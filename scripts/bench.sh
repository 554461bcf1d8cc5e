#!/bin/bash
# Builds the release tree and runs the reader benchmark. Arguments go to the benchmark,
# e.g. scripts/bench.sh --format csv --rows 100000
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
cmake -S "$root" -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --target bench_readers -- -j"$(nproc)"
exec build/release/bench/bench_readers "$@"
