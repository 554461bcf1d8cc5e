#!/bin/bash
# A manual check, not a test: converts tests/fixtures/conversion/every-new-field.csv in 2.1,
# 3.0 and 4.0 and reads the cards back with the desktop address-book readers installed under
# READERS (default /work/vcard-readers: kcontacts_read, eds_read, vobject_read.py,
# icaljs_read.mjs). For the two address-book readers it compares each value with the cell it
# came from and prints "ok" or what came back instead; the other two readers' full views are
# printed for a person to look at.
# Usage: scripts/check-readers.sh CLI_PROGRAM [READERS]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:?the excel2vcard-cli program}
readers=${2:-/work/vcard-readers}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for version in 2.1 3.0 4.0; do
    mkdir -p "$work/$version"
    "$cli" -m First=FirstName -m Last=LastName -m Title=Title -m Suffix=Suffix \
        -m Nickname=Nickname -m Birthday=Birthday -m Anniversary=Anniversary \
        -m Categories=Categories -m Other=OtherTelephoneNumber -m Pager=PagerNumber \
        -m HomeFax=HomeFaxNumber -m Page=PersonalHomePage -m "Work address=BusinessAddress" \
        -m "Home address=HomeAddress" -m "Home city=HomeAddressCity" -m Mail=EmailAddress -m Picture=Photo \
        --date-order DMY --vcard-version "$version" --single-file -o "$work/$version" \
        "$root/tests/fixtures/conversion/every-new-field.csv" >/dev/null || exit 1
    cp "$work/$version"/*/"All Contacts.vcf" "$work/cards-$version.vcf"
done

/usr/bin/python3 - "$work" "$readers" <<'EOF'
import json, subprocess, sys
work, readers = sys.argv[1], sys.argv[2]
# What each card should give: the cells of the sheet, dates as ISO days (no year: 1604, the
# year address books mark a day without a year with).
expected = [
    dict(prefix="Dr.", suffix="Jr.", nickname="Annie", bday="1990-12-31",
         anniversary="2001-06-15", categories=["Friends", "Golf", "Work"], other="555 0102",
         pager="555 0103", homefax="555 0104", url="https://ann.example/",
         wstreet="1 Main St, Pune", hcity="Leeds", hlabel="2 High St\nLeeds",
         emails=["ann@x.example", "ann2@x.example"], photo="inline"),
    dict(prefix="Mr.", suffix="III", nickname="Bobby", bday="1604-12-31",
         anniversary="1604-06-15", categories=["Family"], other="555 0202", pager="555 0203",
         homefax="555 0204", url="https://bob.example/home", wstreet="9 Low Rd", hcity="",
         hlabel="", emails=["bob@x.example"], photo="uri https://example.com/bob.jpg"),
]

def run(args):
    out = subprocess.run(args, capture_output=True, text=True).stdout
    return [json.loads(line) for line in out.splitlines() if line.strip()]

# "inline" for an embedded picture (a 4.0 card carries it as a data: address), "uri ADDRESS"
# for a reference.
def photo(card):
    if card["photo"].startswith("inline:") or card.get("photo_uri", "").startswith("data:image/"):
        return "inline"
    return f"uri {card.get('photo_uri', '')}" if card["photo"] == "uri" else card["photo"]

def kde(card):
    tel = {t["type"]: t["v"] for t in card["tels"]}
    home = [a for a in card["adrs"] if a["type"] & 16]
    work_ = [a for a in card["adrs"] if a["type"] & 32]
    labels = [l for l in card["labels"] if l]
    return dict(prefix=card["prefix"], suffix=card["suffix"], nickname=card["nickname"],
                bday=card["bday"], anniversary=card["anniversary"],
                categories=card["categories"], other=tel.get(16, ""), pager=tel.get(8192, ""),
                homefax=tel.get(33, ""), url=next((u["v"] for u in card["urls"] if u["type"] == 1), ""),
                wstreet=work_[0]["street"] if work_ else "",
                hcity=home[0]["locality"] if home else "",
                hlabel=labels[0].replace("\r\n", "\n") if labels else "",
                emails=[e["v"] for e in card["emails"]], photo=photo(card))

def eds(card):
    return dict(prefix=card["prefix"], suffix=card["suffix"], nickname=card["nickname"],
                bday=card["bday"], anniversary=card["anniversary"],
                categories=card["categories"].split(",") if card["categories"] else [],
                other=card["other"], pager=card["pager"], homefax=card["homefax"],
                url=card["url"], wstreet=card["wstreet"], hcity=card["hcity"],
                hlabel=card["hlabel"].replace("\r\n", "\n"),
                emails=[e for e in (card["email1"], card["email2"]) if e], photo=photo(card))

for version in ("2.1", "3.0", "4.0"):
    cards = f"{work}/cards-{version}.vcf"
    for name, args, view in (("KDE", [f"{readers}/kcontacts_read", cards], kde),
                             ("GNOME", [f"{readers}/eds_read", cards], eds)):
        got = run(args)
        if len(got) != len(expected):
            print(f"{version} {name}: {len(got)} cards read, {len(expected)} written")
            continue
        for i, (card, want) in enumerate(zip(got, expected), 1):
            seen = view(card)
            wrong = {k: seen[k] for k in want if seen[k] != want[k]}
            print(f"{version} {name} card {i}: " + ("ok" if not wrong else f"differs: {wrong}"))
    for name, args in (("vobject", ["/usr/bin/python3", f"{readers}/vobject_read.py", cards]),
                       ("ical.js", ["node", f"{readers}/icaljs_read.mjs", cards])):
        if name == "ical.js" and version == "2.1":
            continue
        for card in run(args):
            print(f"{version} {name}: " + json.dumps(card["props"], ensure_ascii=False))
EOF
