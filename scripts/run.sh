#!/bin/bash
# Sets up, builds and starts the program (the wizard window).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/release/src/ui/excel2vcard "$@"
