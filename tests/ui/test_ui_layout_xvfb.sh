#!/bin/bash
# The layout test in every language on a real X server at 96 dpi, at the normal size and one
# and a half times it: fonts and metrics there are those of a desktop, not of the offscreen
# platform.
#
#   test_ui_layout_xvfb.sh TEST_PROGRAM
set -uo pipefail
program=$1
if [ -z "${DISPLAY:-}" ]; then
    if ! command -v xvfb-run >/dev/null; then
        echo "test_ui_layout_xvfb: xvfb-run is not installed (scripts/setup.sh installs it)" >&2
        exit 1
    fi
    # One server for every run.
    exec xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" "$0" "$@"
fi
status=0
for language in en de es fr it nl pt_BR; do
    for scale in 1 1.5; do
        if ! LANGUAGE=$language QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$program" -silent; then
            echo "test_ui_layout_xvfb: $language at scale $scale failed" >&2
            status=1
        fi
    done
done
exit $status
