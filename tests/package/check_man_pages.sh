#!/bin/bash
# Checks the manual pages: groff and man find nothing to warn about, and the page of the
# command-line program describes every option, field name and exit status that the
# program's --help prints, so that an option added to the program without a word in the
# page fails here.
# Usage: check_man_pages.sh CLI_PROGRAM CLI_PAGE [OTHER_PAGE...]   (pages as .1 or .1.gz)
set -uo pipefail
# grep -q stops reading at its first match: it reads a here-string, not a pipe, so that the
# writer's SIGPIPE cannot fail a check under pipefail.
cli=$1
cli_page=$2
shift 2
passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAIL: $*" >&2
}

for page in "$cli_page" "$@"; do
    source=$(zcat -f "$page")
    warnings=$( (printf '%s\n' "$source" | groff -man -ww -z -Tutf8) 2>&1)
    warnings+=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        fail "$page: warnings:"$'\n'"$warnings"
    else
        pass
    fi
done

help=$(LC_ALL=C.UTF-8 "$cli" --help) || {
    fail "$cli --help"
    help=
}
# The rendered page as plain ASCII (man drops bold and underline in a pipe), one line per
# paragraph where possible.
text=$(LC_ALL=C MANWIDTH=250 man -l "$cli_page" 2>/dev/null)
section() { # the lines of one section of the page
    printf '%s\n' "$text" | awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside'
}
options_section=$(section OPTIONS)
fields_section=$(section FIELDS)
status_section=$(section "EXIT STATUS")

# Options: every -x and --word that --help prints anywhere (usage, table, prose).
options=$(printf '%s\n' "$help" | grep -oE -- '(^|[^[:alnum:]-])--?[[:alpha:]][[:alnum:]-]*' |
    sed -E 's/^[^-]+//' | sort -u)
[ -n "$options" ] || fail "no options found in $cli --help"
# The page's OPTIONS section names each one in an item's tag line (starting with "-").
tags=$(printf '%s\n' "$options_section" | grep -E '^ {7}-')
for option in $options; do
    if grep -qE -- "(^|[^[:alnum:]-])$option([^[:alnum:]-]|$)" <<<"$tags"; then
        pass
    else
        fail "option $option is printed by --help but has no item in OPTIONS of $cli_page"
    fi
done

# Field names: the list under "FIELD is one of:".
# One name a line with its description after two spaces, or names separated by commas.
fields=$(printf '%s\n' "$help" | awk '/^FIELD is one of:/ { inside = 1; next }
    inside && !/^ / { exit }
    inside { sub(/^ +/, ""); if (index($0, "  ")) print $1; else { gsub(",", " "); print } }')
[ -n "$fields" ] || fail "no field list found in $cli --help"
for field in $fields; do
    if grep -qw -- "$field" <<<"$fields_section"; then
        pass
    else
        fail "field $field is printed by --help but missing from FIELDS of $cli_page"
    fi
done

# Exit statuses: the numbers listed under "Exit status:".
statuses=$(printf '%s\n' "$help" | awk '/^Exit status:/ { inside = 1; next }
    inside && !/^ / { exit } inside && match($0, /^  [0-9]+ /) { print $1 }')
[ -n "$statuses" ] || fail "no exit statuses found in $cli --help"
for status in $statuses; do
    if grep -qE "^ {7}$status( |$)" <<<"$status_section"; then
        pass
    else
        fail "exit status $status is printed by --help but missing from EXIT STATUS of $cli_page"
    fi
done

echo "man pages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
