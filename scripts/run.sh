#!/usr/bin/env bash
# Installs, builds, generates the sample installation and starts the program.
# Its own build folder (build-run), so that switching with scripts/test.sh (build, build-asan) rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release
# Only the program: it brings its sample installation and the sqlite3 extension, not the tests.
cmake --build build-run --target tarvesa
exec build-run/bin/tarvesa
