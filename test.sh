#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
cmake -S . -B build/check -DCMAKE_BUILD_TYPE=Debug -DNUPAVANE_SANITIZE=ON >/dev/null
cmake --build build/check -j"$(nproc)"
cd build/check
ctest --output-on-failure -j"$(nproc)"
