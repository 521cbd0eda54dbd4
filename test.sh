#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cd build
ctest --output-on-failure --parallel "$(nproc)"
