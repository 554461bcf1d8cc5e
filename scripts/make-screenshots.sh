#!/bin/bash
# Remakes the screenshots that the AppStream data shows (data/screenshots/), with the
# window's own screenshot test. Run after a change the window shows; commit the PNGs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
dir=build/release
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DE2V_WERROR=ON >/dev/null
cmake --build "$dir" --target test_ui_screenshots -- -j"$(nproc)"
ctest --test-dir "$dir" -R '^test_ui_screenshots$' --output-on-failure
for shot in 1-select 2-map-columns 3-export; do
    cp "$dir/ui-screenshots/$shot.png" data/screenshots/
done
echo "screenshots: data/screenshots/ (640 x 550; the sizes are in the metainfo file)" >&2
