#!/bin/bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET|--build-only] [TARGET...]   (default 30 s, every target)
# E2V_FUZZ_JOBS: how many targets run at once (default: one per core).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-30}
shift || true
build_only=
if [ "$seconds" = --build-only ]; then
    build_only=1 # builds the targets and runs none (.ci/run builds them while other checks run)
fi
scripts/setup.sh
dir=build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DE2V_BUILD_FUZZ=ON -DE2V_WERROR=ON -DE2V_BUILD_TESTS=OFF -DE2V_BUILD_BENCH=OFF -DE2V_BUILD_UI=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    # Only the targets: the tree's programs are built and tested elsewhere.
    cmake --build "$dir" --target e2v_fuzzers -- -j"$(nproc)"
    for t in "$dir"/fuzz/fuzz_*; do
        [ -f "$t" ] && [ -x "$t" ] && targets+=("$(basename "$t")")
    done
else
    cmake --build "$dir" --target "${targets[@]}" -- -j"$(nproc)"
fi

[ -z "$build_only" ] || exit 0

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
# One target per core at a time: each still has a core to itself for its SECONDS (libFuzzer
# runs one process), and the cores are not left idle meanwhile.
jobs=${E2V_FUZZ_JOBS:-$(nproc)}
fuzz_one() {
    local t=$1 name=${1#fuzz_}
    local corpus=$dir/corpus/$name findings=$dir/findings/$name
    mkdir -p "$corpus" "$findings"
    # Seeds: the committed fixtures of that format and the regression inputs kept for it.
    for seed in tests/fixtures/*/*."$name" fuzz/regressions/"$name"/*; do
        [ -f "$seed" ] && cp -n "$seed" "$corpus/" 2>/dev/null || true
    done
    local extra=()
    [ -f "fuzz/$name.dict" ] && extra+=("-dict=fuzz/$name.dict")
    local unwind=
    # The .xls reader goes through libgsf, whose frames only the slow unwinder sees, so
    # that the suppression of its own leak can match.
    [ "$name" = xls ] && unwind=:fast_unwind_on_malloc=0
    local rc=0
    ASAN_OPTIONS=$ASAN_OPTIONS$unwind "$dir/fuzz/$t" "$corpus" "${extra[@]}" -max_total_time="$seconds" -timeout=20 \
        -rss_limit_mb=3072 -malloc_limit_mb=2560 -artifact_prefix="$findings/" \
        -print_final_stats=1 2>"$findings/log.txt" || rc=$?
    echo "$rc" >"$findings/status"
}
for t in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    echo "fuzz: $t for ${seconds}s" >&2
    rm -f "$dir/findings/${t#fuzz_}/status"
    fuzz_one "$t" &
done
wait

status=0
for t in "${targets[@]}"; do
    name=${t#fuzz_}
    if [ "$(cat "$dir/findings/$name/status" 2>/dev/null)" != 0 ]; then
        echo "fuzz: $t found a problem; see $dir/findings/$name/" >&2
        tail -40 "$dir/findings/$name/log.txt" >&2
        status=1
    else
        echo "fuzz: $t" >&2
        grep -E "stat::number_of_executed_units|cov:" "$dir/findings/$name/log.txt" | tail -2 >&2 || true
    fi
done
exit $status
