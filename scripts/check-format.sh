#!/bin/bash
# Fails when a C++ file of the project differs from what clang-format (.clang-format at the
# root) makes of it; the differences are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
