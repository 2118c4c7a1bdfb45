#!/usr/bin/env bash
# Installs, builds, generates the sample installation and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
exec build/bin/tarvesa
