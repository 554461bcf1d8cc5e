#!/bin/bash
# Installs everything the project needs on Debian 12. Idempotent: when all is present it
# says nothing and changes nothing. Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libzip-dev libexpat1-dev libgsf-1-dev nettle-dev libphonenumber-dev
    locales fonts-dejavu-core
    clang libclang-rt-14-dev clang-format
    # The Debian package and its checks: dpkg-buildflags and dpkg-shlibdeps, lintian,
    # AppStream and desktop-entry validators, man and groff, bash-completion, an SVG renderer.
    dpkg-dev binutils lintian appstream desktop-file-utils man-db groff-base bash-completion
    librsvg2-bin
    # The window driven over the accessibility bus (tests/ui/test_ui_atspi.sh).
    xvfb dbus-daemon at-spi2-core python3-pyatspi
    # The CardDAV tests' servers: two real ones, certificates made at test time, and a
    # hostile one of the tests' own.
    radicale xandikos openssl python3
    # The CardDAV password in the desktop's keyring (Secret Service, over the session bus).
    qtkeychain-qt6-dev
    # The keyring test: a keyring daemon of its own on a bus of its own.
    gnome-keyring dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "setup: root is needed to install: ${missing[*]}" >&2
        exit 1
    fi
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}" >&2
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# The locale tests run under de_DE.UTF-8 (decimal comma); make sure the C library has it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "setup: generating the de_DE.UTF-8 locale" >&2
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
