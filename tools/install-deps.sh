#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
# Usage: tools/install-deps.sh [extra packages...]
set -euo pipefail

packages=(cmake g++ make qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev libgif-dev qttools5-dev-tools qttools5-dev qttranslations5-l10n python3 srecord dpkg-dev clang libclang-rt-14-dev "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
