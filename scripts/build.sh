#!/bin/bash
# Configures and builds one tree. Usage: scripts/build.sh DIR [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -G Ninja -DE2V_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -- -j"$(nproc)"
