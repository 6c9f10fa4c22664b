#!/usr/bin/env bash
# Builds the game and starts it. Options after the command go to the game (--help lists them).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh play
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DNUPAVANE_TESTS=OFF -DNUPAVANE_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target nupavane nupavane-sim content >/dev/null
headless=no
for arg in "$@"; do [[ "$arg" == --headless || "$arg" == --help || "$arg" == --version ]] && headless=yes; done
if [[ $headless == no && -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${SDL_VIDEODRIVER:-}" ]]; then
  cat >&2 <<MSG
There is no display to open the game's window on.
Play in a virtual display:      xvfb-run -a build/release/nupavane
or headless with a script:      build/release/nupavane --headless --script FILE
(the README explains the script's lines).
MSG
  exit 1
fi
exec build/release/nupavane "$@"
