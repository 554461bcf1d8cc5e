#!/bin/bash
# Brings the translation catalogues (translations/*.ts) up to date with the sources, as the
# build's update_translations target does. With --check it changes nothing: it fails when the
# catalogues are not what lupdate makes of the sources (a text added, changed or gone without
# its catalogue entry following), or when a catalogue leaves a text untranslated.
# Usage: scripts/update-translations.sh [--check]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
check=false
[ "${1:-}" = --check ] && check=true

lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
mapfile -t sources < <(find src \( -name '*.cpp' -o -name '*.h' \) -not -path '*/artwork/*' |
    LC_ALL=C sort)
languages=(de es fr it nl pt_BR)

out=translations
if $check; then
    out=$(mktemp -d)
    trap 'rm -rf "$out"' EXIT
    cp translations/*.ts "$out/"
fi
update() { # LANGUAGE [OPTION...]
    local language=$1
    shift
    "$lupdate" -silent -locations none -no-obsolete -target-language "$language" "$@" \
        "${sources[@]}" -ts "$out/excel2vcard_$language.ts"
}
for language in "${languages[@]}"; do
    update "$language"
done
# English needs only the forms of the sentences that count something.
update en -pluralonly

$check || exit 0
status=0
for ts in translations/*.ts; do
    diff -u "$ts" "$out/${ts##*/}" >&2 || stale=true
done
if ${stale:-false}; then
    echo "translations: the catalogues do not follow the sources; run scripts/update-translations.sh" >&2
    status=1
fi
for ts in translations/*.ts; do
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "translations: $ts leaves texts untranslated:" >&2
        grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' |
            head -5 >&2
        status=1
    fi
done
exit $status
