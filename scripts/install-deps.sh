#!/usr/bin/env bash
# Installs the Debian packages that building, testing, running and checking the package need,
# only when one is missing.
set -euo pipefail
packages=(
    build-essential cmake make ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n poppler-utils
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libeigen3-dev
    coinor-libclp-dev
    clang libclang-rt-14-dev lld
    fonts-liberation fonts-dejavu-core
    lintian
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
