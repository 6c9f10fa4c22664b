#!/usr/bin/env bash
# The sanitizer build's game in a real window on a virtual display: a new game to the title
# screen, then the window closed, must end with status 0, the leak check included (the
# desktop libraries' own leaks are suppressed by scripts/lsan.supp, nothing else is).
set -u
program=$1
suppressions=$2
source "$(dirname "$0")/xvfb.sh"
work=$(mktemp -d)
trap 'kill "$XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb || exit 1
export SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
printf "${NEW_GAME}until START 60000\nwait 300\nclose\n" >"$work/script"
timeout 120 "$program" --no-sound --seed 1 --script "$work/script" 2>"$work/err"
status=$?
if [[ $status -ne 0 ]]; then
  echo "ended with $status, expected 0:"
  cat "$work/err"
  exit 1
fi
if grep -q "LeakSanitizer\|AddressSanitizer\|runtime error" "$work/err"; then
  echo "a sanitizer reported:"; cat "$work/err"; exit 1
fi
exit 0
