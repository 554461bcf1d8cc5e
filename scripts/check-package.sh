#!/bin/bash
# Makes the Debian package (scripts/package.sh) and checks it as a user's machine meets it:
# its file list, its computed dependencies, lintian, the AppStream data, the desktop entry,
# the icon, the manual pages and the completion; then installs it with dpkg into a
# throwaway root and runs both programs from there. Needs root, like scripts/setup.sh.
# Usage: scripts/check-package.sh [PACKAGE.deb]   (without one, the package is made first)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [ $# -gt 0 ]; then
    deb=$(realpath "$1")
    scripts/setup.sh || exit 1
else
    start=$SECONDS
    deb=$(scripts/package.sh | tail -1) || exit 1
    echo "package: $(basename "$deb") made in $((SECONDS - start)) s" >&2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

exec 3>&2 # the log, for what a passing check still shows
passed=0
failed=0
# check DESCRIPTION COMMAND...: the command succeeds; its output is shown when it fails.
check() {
    local description=$1 output
    shift
    if output=$("$@" 2>&1); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $description" >&2
        [ -n "$output" ] && printf '%s\n' "$output" | sed 's/^/  /' >&2
    fi
}

# The files, as the package lists them (directories left out).
file_list() {
    dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | LC_ALL=C sort
}
check "the package holds exactly tests/package/expected-files.txt" \
    diff -u tests/package/expected-files.txt <(file_list)

# Every library the programs link is depended on, with the version dpkg-shlibdeps found (none
# where the library's symbols file asks for none, as libnettle8's does for the symbols used),
# by its package's name or by a name that package provides: libphonenumber8's shlibs file
# asks for libphonenumber8-protobuf32, so that the protobuf it was built with comes along.
depends_cover_libraries() {
    local depends programs needed soname owners status=0
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    dpkg-deb -x "$deb" "$work/extracted"
    needed=$(for program in "$work"/extracted/usr/bin/*; do
        objdump -p "$program" | awk '/^ *NEEDED/ { print $2 }'
    done | sort -u)
    [ -n "$needed" ] || return 1
    for soname in $needed; do
        [[ $soname == ld-linux* ]] && continue # the loader comes with libc6
        owners=$(dpkg-query -S "*/$soname" 2>/dev/null |
            awk -v name="/$soname" -F': ' 'substr($2, length($2) - length(name) + 1) == name { print $1 }' |
            tr ',' '\n' | sed 's/^ *//; s/:.*//' | sort -u)
        local found= entry owner name
        for owner in $owners; do
            for name in $owner $(dpkg-query -W -f='${Provides}' "$owner" 2>/dev/null |
                tr ',' '\n' | sed 's/^ *//; s/ .*//'); do
                while IFS= read -r entry; do
                    [[ $entry == "$name (>= "*")" ]] && found=$name
                    [[ $entry == "$name" ]] && found=$name
                done < <(printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//')
            done
        done
        if [ -z "$found" ]; then
            echo "$soname (from ${owners:-no package}) is not depended on"
            status=1
        fi
    done
    return $status
}
check "dpkg-deb --info: Depends computed from the linked libraries" depends_cover_libraries
dpkg-deb --info "$deb" | grep '^ Depends:' >&2

# No error and no warning; what lintian says goes to the log either way.
lintian_clean() {
    local status
    lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.txt" 2>&1
    status=$?
    grep -v 'running with root privileges' "$work/lintian.txt" | sed 's/^/lintian: /' >&3
    return $status
}
check "lintian" lintian_clean

# Installed into a throwaway root: dpkg checks the dependencies against the packages this
# machine has, which the root's status database lists (with their file lists, which dpkg
# reads to find conflicts). A name no package has is looked for among what the installed
# packages provide (libphonenumber8 provides libphonenumber8-protobuf32).
target=$work/root
mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates"
touch "$target/var/lib/dpkg/available"
providers_of() {
    dpkg-query -W -f='${Package}\t${Provides}\n' | awk -F'\t' -v name="$1" '{
        n = split($2, provided, / *, */)
        for (i = 1; i <= n; i++) { sub(/ .*/, "", provided[i]); if (provided[i] == name) print $1 }
    }'
}
for package in $(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ :(].*//' |
    while read -r name; do
        if dpkg-query -s "$name" >/dev/null 2>&1; then echo "$name"; else providers_of "$name"; fi
    done | sort -u); do
    dpkg-query -s "$package" >>"$target/var/lib/dpkg/status" 2>/dev/null && echo >>"$target/var/lib/dpkg/status"
    cp /var/lib/dpkg/info/"$package".list /var/lib/dpkg/info/"$package":*.list \
        "$target/var/lib/dpkg/info/" 2>/dev/null
done
install_flags=(--root="$target" --log=/dev/null)
export PATH=$PATH:/usr/sbin:/sbin # dpkg wants ldconfig within reach
[ "$(id -u)" -eq 0 ] || install_flags+=(--force-not-root)
check "dpkg --root installs the package" dpkg "${install_flags[@]}" -i "$deb"
check "dpkg --root lists it as installed" \
    bash -c "dpkg-query --root='$target' -W -f='\${Status}' excel2vcard | grep -qx 'install ok installed'"

usr=$target/usr
check "excel2vcard-cli --help runs from the installed package" \
    bash -c "'$usr/bin/excel2vcard-cli' --help | grep -q '^Usage:'"
converts() {
    local folder
    folder=$("$usr/bin/excel2vcard-cli" -m "First Name=FirstName" -m "Last Name=LastName" \
        -o "$work" examples/contacts.csv 2>/dev/null | tail -1) || return 1
    ls "$folder"/*.vcf >/dev/null && grep -q '^BEGIN:VCARD' "$folder"/*.vcf
}
check "the installed excel2vcard-cli converts the example sheet" converts
# The window keeps running until it is closed: still there after a few seconds means started.
window_starts() {
    QT_QPA_PLATFORM=offscreen timeout 5 "$usr/bin/excel2vcard"
    [ $? -eq 124 ]
}
check "the installed window program starts" window_starts

# The version typed into the changelog, the AppStream release and the manual pages is the
# package's, which comes from the project.
versions_agree() {
    local version status=0 page
    version=$(dpkg-deb -f "$deb" Version)
    zcat "$usr/share/doc/excel2vcard/changelog.gz" | head -1 | grep -qF "excel2vcard ($version) " ||
        { echo "changelog: the newest entry is not $version"; status=1; }
    grep -m1 '<release ' "$usr"/share/metainfo/*.metainfo.xml | grep -qF "version=\"$version\"" ||
        { echo "metainfo: the newest release is not $version"; status=1; }
    for page in "$usr"/share/man/man1/*.1.gz; do
        zcat "$page" | grep -m1 '^\.TH ' | grep -qF "\"excel2vcard $version\"" ||
            { echo "$(basename "$page"): .TH does not name excel2vcard $version"; status=1; }
    done
    return $status
}
check "changelog, AppStream release and manual pages name the package's version" versions_agree

check "appstreamcli validate (metainfo)" \
    appstreamcli validate --no-net "$usr"/share/metainfo/example.brinmark.excel2vcard.metainfo.xml
check "appstreamcli validate-tree (metainfo, desktop entry, icon)" \
    appstreamcli validate-tree --no-net "$target"
check "desktop-file-validate" desktop-file-validate "$usr"/share/applications/excel2vcard.desktop
check "the scalable icon renders" \
    rsvg-convert -w 48 -h 48 -o "$work/icon.png" "$usr"/share/icons/hicolor/scalable/apps/excel2vcard.svg

check "man pages: no warnings, every option, field and exit status" \
    tests/package/check_man_pages.sh "$usr/bin/excel2vcard-cli" \
    "$usr"/share/man/man1/excel2vcard-cli.1.gz "$usr"/share/man/man1/excel2vcard.1.gz
check "man finds excel2vcard-cli(1) by name" \
    bash -c "MANPATH='$usr/share/man' man -w excel2vcard-cli | grep -q 'man1/excel2vcard-cli.1.gz$'"
# bash-completion loads completions on first use from the data folders it is told of; the
# function has to come from the installed file, not from one this machine may have.
completion_loads() {
    XDG_DATA_DIRS=$usr/share bash --norc --noprofile -c '
        . /usr/share/bash-completion/bash_completion
        __load_completion excel2vcard-cli && complete -p excel2vcard-cli &&
            shopt -s extdebug && declare -F _excel2vcard_cli' |
        grep -qF " $usr/share/bash-completion/completions/excel2vcard-cli"
}
check "bash-completion finds the installed completion" completion_loads
check "completion: options, fields, versions, file names" \
    tests/package/test_completion.sh "$usr"/share/bash-completion/completions/excel2vcard-cli \
    "$usr/bin/excel2vcard-cli"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
