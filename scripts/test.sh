#!/usr/bin/env bash
# Installs, checks the formatting, builds and runs every test, then again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Unformatted code fails the run before anything is built (`cmake --build build --target format` mends it).
cmake --build build --target format-check
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# The benchmark only as a smoke run: it must work, its figures are not judged here.
build/bin/tarvesa-bench --smoke

# Leaks are not judged: the platform's font and display libraries keep caches until exit.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVESA_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
