#!/bin/bash
# Regenerates the committed test fixtures under tests/fixtures. Run after
# scripts/setup-fixture-tools.sh; each format has its own script in scripts/fixtures/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
for script in scripts/fixtures/*.py; do
    echo "fixtures: $script" >&2
    /usr/bin/python3 "$script" "$root/tests/fixtures"
done
