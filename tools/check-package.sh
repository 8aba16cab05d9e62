#!/usr/bin/env bash
# Builds the Debian package and runs the checks a distribution would:
# lintian (no errors allowed), desktop-file-validate and appstreamcli.
# Usage: tools/check-package.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

tools/install-deps.sh lintian desktop-file-utils appstream
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/kamdel_*.deb | tail -n 1)

desktop-file-validate packaging/org.kamdel.KamdelEditor.desktop
appstreamcli validate --no-net packaging/org.kamdel.KamdelEditor.metainfo.xml
report=$(lintian "$package" 2>&1 || true)
echo "$report"
if grep -q '^E:' <<<"$report"; then
    echo "lintian found errors in $package" >&2
    exit 1
fi
echo "$package passed."
