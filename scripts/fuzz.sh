#!/bin/bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default 30 s, every target)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-30}
shift || true
scripts/setup.sh
dir=build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DE2V_BUILD_FUZZ=ON -DE2V_WERROR=ON -DE2V_BUILD_TESTS=OFF -DE2V_BUILD_BENCH=OFF -DE2V_BUILD_UI=OFF >/dev/null
cmake --build "$dir" -- -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=()
    for t in "$dir"/fuzz/fuzz_*; do
        [ -f "$t" ] && [ -x "$t" ] && targets+=("$(basename "$t")")
    done
fi

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
status=0
for t in "${targets[@]}"; do
    name=${t#fuzz_}
    corpus=$dir/corpus/$name
    mkdir -p "$corpus" "$dir/findings/$name"
    # Seeds: the committed fixtures of that format and the regression inputs kept for it.
    for seed in tests/fixtures/*/*."$name" fuzz/regressions/"$name"/*; do
        [ -f "$seed" ] && cp -n "$seed" "$corpus/" 2>/dev/null || true
    done
    extra=()
    [ -f "fuzz/$name.dict" ] && extra+=("-dict=fuzz/$name.dict")
    echo "fuzz: $t for ${seconds}s" >&2
    unwind=
    # The .xls reader goes through libgsf, whose frames only the slow unwinder sees, so
    # that the suppression of its own leak can match.
    [ "$name" = xls ] && unwind=:fast_unwind_on_malloc=0
    if ! ASAN_OPTIONS=$ASAN_OPTIONS$unwind "$dir/fuzz/$t" "$corpus" "${extra[@]}" -max_total_time="$seconds" -timeout=20 \
        -rss_limit_mb=3072 -malloc_limit_mb=2560 -artifact_prefix="$dir/findings/$name/" \
        -print_final_stats=1 2>"$dir/findings/$name/log.txt"; then
        echo "fuzz: $t found a problem; see $dir/findings/$name/" >&2
        tail -40 "$dir/findings/$name/log.txt" >&2
        status=1
    else
        grep -E "stat::number_of_executed_units|cov:" "$dir/findings/$name/log.txt" | tail -2 >&2 || true
    fi
done
exit $status
