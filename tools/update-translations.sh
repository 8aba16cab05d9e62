#!/usr/bin/env bash
# Brings every catalogue in translations/ up to date with the GUI sources:
# new texts come in unfinished, vanished ones are dropped. Run it after
# changing user-visible texts, and after adding a language's file to
# common/CMakeLists.txt (a new file is made here). No line numbers are kept,
# so a catalogue changes only when its texts do.
# Usage: tools/update-translations.sh [language codes...; default all]
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh qttools5-dev-tools

if [ $# -gt 0 ]; then
    codes=("$@")
else
    mapfile -t codes < <(sed -n 's|.*/translations/kamdel_\(.*\)\.ts$|\1|p' common/CMakeLists.txt)
fi
sources=(editor common document flasher station)
for code in "${codes[@]}"; do
    lupdate -silent -no-obsolete -locations none -extensions cpp,h,ui \
        -source-language en -target-language "$code" "${sources[@]}" -ts "translations/kamdel_$code.ts"
done
