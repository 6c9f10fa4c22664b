#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test
cmake -S . -B build/check -DCMAKE_BUILD_TYPE=Debug -DNUPAVANE_SANITIZE=ON >/dev/null
cmake --build build/check -j"$(nproc)"
# The desktop libraries' own leaks are not the game's (see scripts/lsan.supp).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# Mesa's OpenGL driver leaks a little and is unloaded before the leak check, which then
# cannot tell whose the memory was; the sanitizer build's windows draw through SDL's
# software renderer onto a plain X framebuffer instead, so the driver is never loaded.
export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0
cd build/check
ctest --output-on-failure -j"$(nproc)"
