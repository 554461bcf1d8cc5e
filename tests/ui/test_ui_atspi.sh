#!/bin/bash
# Drives the real window over the desktop's accessibility bus, as a screen reader would:
# a virtual X server, a private D-Bus session with the AT-SPI bus and registry, and Qt's
# AT-SPI bridge switched on. The steps themselves are in test_ui_atspi.py.
#
#   test_ui_atspi.sh PROGRAM WORKBOOK
#
# Exit 77 (skipped) only when the bus cannot be started: a tool is missing or the X server
# does not come up. Under CI (CI set) that is a failure too, so that CI never skips it.
set -uo pipefail

program=$1
workbook=$2
here=$(cd "$(dirname "$0")" && pwd)

cannot_start() {
    echo "test_ui_atspi: the accessibility bus cannot start: $*" >&2
    if [ -n "${CI:-}" ]; then
        exit 1
    fi
    echo "test_ui_atspi: skipped (scripts/setup.sh installs what it needs)" >&2
    exit 77
}

python=/usr/bin/python3 # the system's, which has the AT-SPI bindings
for tool in Xvfb dbus-run-session "$python"; do
    command -v "$tool" >/dev/null || cannot_start "$tool is not installed"
done
"$python" -c 'import pyatspi' 2>/dev/null || cannot_start "python3-pyatspi is not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || cannot_start "at-spi2-core is not installed"

work=$(mktemp -d)
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and writes its number once it accepts clients.
# -noreset: without it the server resets when its first client (the bus launcher) leaves,
# and refuses connections meanwhile.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || cannot_start "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"

# A home of its own: the default save location is its Documents folder.
mkdir -p "$work/home/Documents" "$work/runtime"
chmod 700 "$work/runtime"
env -u XDG_CURRENT_DESKTOP -u XDG_CONFIG_DIRS -u XDG_DATA_HOME -u SESSION_MANAGER \
    DISPLAY=":$(cat "$work/display")" \
    HOME="$work/home" \
    XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb \
    QT_ACCESSIBILITY=1 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    NO_AT_BRIDGE=0 \
    dbus-run-session -- "$python" "$here/test_ui_atspi.py" "$program" "$workbook" \
    "$work/home/Documents"
