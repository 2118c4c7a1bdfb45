#!/usr/bin/env bash
# Installs, builds, generates the sample installation and starts the program.
# Its own build folder (build-run), so that switching with scripts/test.sh (build, build-asan) rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-run
exec build-run/bin/tarvesa
