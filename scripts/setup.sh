#!/usr/bin/env bash
# Shared by play.sh and test.sh: installs what is missing (as root, on
# Debian 12), then configures and builds the game in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

# The flags and the world map are made from the two picture packages.
PACKAGES=(cmake g++ make qtbase5-dev iso-flags-png-320x240 xplanet-images)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
