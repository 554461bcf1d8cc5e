#!/bin/bash
# Builds the release tree and runs one benchmark: the reader benchmark, or the one the first
# argument names (readers, conversion, load, window, automap, carddav). The other arguments go
# to the benchmark, e.g.
#   scripts/bench.sh --format csv --rows 100000
#   scripts/bench.sh conversion --rows 100000 --runs 5
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bench=readers
case "${1:-}" in
readers | conversion | load | window | automap | carddav)
    bench=$1
    shift
    ;;
esac
scripts/setup.sh
cmake -S "$root" -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DE2V_WERROR=ON >/dev/null
cmake --build build/release --target "bench_$bench" -- -j"$(nproc)"
exec "build/release/bench/bench_$bench" "$@"
