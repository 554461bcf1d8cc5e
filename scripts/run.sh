#!/bin/bash
# Sets up, builds and starts the program. Until the window exists this lists the header
# columns of the bundled example sheet (or of the spreadsheet given as the first argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
sheet=${1:-$root/examples/contacts.csv}
exec build/release/src/cli/excel2vcard-cli --list-headers "$sheet"
