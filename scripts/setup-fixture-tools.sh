#!/bin/bash
# Tools that only the fixture scripts need (the committed fixtures are made with them; the
# build and the tests do not need them).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
need=()
for p in python3-openpyxl python3-xlwt libreoffice-calc-nogui python3-uno; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
