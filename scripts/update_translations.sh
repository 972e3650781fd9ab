#!/bin/sh
# Brings the texts of the code into the English catalogue: new source texts
# appear unfinished in resources/translations/velmora_en.ts (translate them
# with linguist or an editor), texts no longer in the code are dropped.
# Locations are left out so that moving code does not change the catalogue.
set -eu
cd "$(dirname "$0")/.."
exec lupdate -locations none -no-obsolete -source-language zh_CN -target-language en \
    app pages export designs -ts resources/translations/velmora_en.ts
