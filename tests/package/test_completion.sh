#!/bin/bash
# Drives the bash completion of excel2vcard-cli as bash would on Tab: the line is split
# into COMP_WORDS (quotes kept together, "=" a word of its own), the completion function
# runs, and its candidates are compared with the expected ones. Cases against the real
# program, and against a stand-in whose --help lists a --target option, as later versions
# will.
# Usage: test_completion.sh COMPLETION_FILE CLI_PROGRAM
set -uo pipefail
completion=$(realpath "$1")
cli=$(realpath "$2")
bash_completion=${BASH_COMPLETION:-/usr/share/bash-completion/bash_completion}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/files/sheets" "$work/bin"
touch "$work/files/"{contacts.csv,staff.xlsx,macros.xlsm,old.xls,calc.ods,SHOUT.CSV,notes.txt,card.vcf}

# A stand-in for a later program: a --target option whose names the usage lists, a
# --profile option whose names follow "PROFILE is one of:", and another folder option.
cat >"$work/bin/excel2vcard-cli" <<'HELP'
#!/bin/sh
cat <<'TEXT'
Usage:
  excel2vcard-cli [-m|--map "HEADER=FIELD"]... [--target outlook|google|apple]
                  [--profile PROFILE] [-o|--output DIR] SPREADSHEET

  -m, --map "HEADER=FIELD"      Feed the column headed HEADER into FIELD.
  --target NAME                 The address book the cards are made for.
  --profile PROFILE             A set of mappings.
  --archive DIR                 Where earlier cards are moved.
  -o, --output DIR              The save location.
  --list-headers                Print the header columns.
  -h, --help                    Show this text.

FIELD is one of:
  Alpha, Beta,
  Gamma
PROFILE is one of:
  office, family
TEXT
HELP
chmod +x "$work/bin/excel2vcard-cli"

# Prints the candidates (sorted, one a line) for the line $3, whose first word is the program,
# as bash would offer them: run in a fresh shell with bash-completion ($1) and ours ($2).
cat >"$work/complete.bash" <<'SCRIPT'
. "$1" && . "$2" || exit 1
line=$3
words=() word= quote=
for ((i = 0; i < ${#line}; i++)); do
    c=${line:i:1}
    if [[ $quote ]]; then
        word+=$c
        [[ $c == "$quote" ]] && quote=
    elif [[ $c == '"' || $c == "'" ]]; then
        word+=$c quote=$c
    elif [[ $c == " " ]]; then
        [[ $word ]] && words+=("$word")
        word=
    elif [[ $c == "=" ]]; then
        [[ $word ]] && words+=("$word")
        words+=("=") word=
    else
        word+=$c
    fi
done
words+=("$word")
COMP_WORDS=("${words[@]}")
COMP_CWORD=$((${#words[@]} - 1))
COMP_LINE=$line COMP_POINT=${#line}
_excel2vcard_cli "$4" "${words[-1]}" "${words[-2]}"
printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort
SCRIPT
candidates() {
    bash --norc --noprofile "$work/complete.bash" "$bash_completion" "$completion" \
        "$1${2#excel2vcard-cli}" "$1"
}

passed=0
failed=0
# check PROGRAM LINE EXPECTED...: the candidates are exactly EXPECTED
check() {
    local program=$1 line=$2
    shift 2
    local got expected
    got=$(cd "$work/files" && candidates "$program" "$line")
    expected=$(printf '%s\n' "$@" | sed '/^$/d' | LC_ALL=C sort)
    if [ "$got" == "$expected" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: [$line]" >&2
        echo "  expected: $(echo $expected)" >&2
        echo "  got:      $(echo $got)" >&2
    fi
}

sheets=(calc.ods contacts.csv macros.xlsm old.xls SHOUT.CSV sheets staff.xlsx)
real_options=$("$cli" --help | grep -oE -- '(^|[^[:alnum:]-])--[[:alpha:]][[:alnum:]-]*' |
    sed -E 's/^[^-]+//' | sort -u)

# The real program: every long option its help names, field names after "=", versions.
check "$cli" "excel2vcard-cli --" $real_options
check "$cli" "excel2vcard-cli --vcard-v" --vcard-version
check "$cli" "excel2vcard-cli --vcard-version " 2.1 3.0 4.0
check "$cli" "excel2vcard-cli --vcard-version=4" 4.0
check "$cli" "excel2vcard-cli -m First=Fir" FirstName
check "$cli" "excel2vcard-cli --map Phone=HomeAddressC" HomeAddressCity HomeAddressCountry
check "$cli" "excel2vcard-cli --map=E-mail=EmailAddress" EmailAddress EmailAddress2 EmailAddress3
check "$cli" "excel2vcard-cli --map-column C=Mob" MobileNumber
check "$cli" "excel2vcard-cli --map-column AB=Job" JobTitle
# A quoted header: readline replaces the whole word, so the candidates carry it.
check "$cli" 'excel2vcard-cli -m "First name=Fir' '"First name=FirstName'
check "$cli" "excel2vcard-cli -m 'a=b=Not" "'a=b=Notes"
check "$cli" "excel2vcard-cli -m Header" ""
# Spreadsheets (any case of the extension) and folders; no other files.
check "$cli" "excel2vcard-cli " "${sheets[@]}"
check "$cli" "excel2vcard-cli --list-headers " "${sheets[@]}"
check "$cli" "excel2vcard-cli -m A=FirstName --single-file s" sheets staff.xlsx
check "$cli" "excel2vcard-cli -o " sheets
check "$cli" "excel2vcard-cli --output=s" sheets
check "$cli" "excel2vcard-cli --single-file -o sheets " "${sheets[@]}"
# Saved mappings: any file; the flags take no value.
check "$cli" "excel2vcard-cli --mapping-file " "${sheets[@]}" card.vcf notes.txt
check "$cli" "excel2vcard-cli --save-mapping=n" notes.txt
check "$cli" "excel2vcard-cli --auto-map " "${sheets[@]}"
check "$cli" "excel2vcard-cli --suggest-mapping s" sheets staff.xlsx
check "$cli" "excel2vcard-cli --sug" --suggest-mapping

# A later program with targets and profiles.
stub=$work/bin/excel2vcard-cli
check "$stub" "excel2vcard-cli --" --archive --help --list-headers --map --output --profile --target
check "$stub" "excel2vcard-cli -" -h -m -o --archive --help --list-headers --map --output --profile \
    --target
check "$stub" "excel2vcard-cli --target " apple google outlook
check "$stub" "excel2vcard-cli --target=g" google
check "$stub" "excel2vcard-cli --profile " family office
check "$stub" "excel2vcard-cli -m X=" Alpha Beta Gamma
check "$stub" "excel2vcard-cli --archive " sheets
check "$stub" "excel2vcard-cli --target apple " "${sheets[@]}"
# Typed as a relative path, the program is still the one asked.
cp "$stub" "$work/files/excel2vcard-cli"
check ./excel2vcard-cli "excel2vcard-cli --target o" outlook

echo "completion: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
