#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, and only
# those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(make cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libbenchmark-dev
          clang-format fonts-dejavu-core)
# Only the fuzz targets need clang and its libFuzzer runtime.
if [ "${1:-}" = fuzz ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
