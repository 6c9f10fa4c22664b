#!/usr/bin/env bash
# A display that cannot be opened ends the game at once, with status 1 and one line naming
# the display, before it takes the single-instance lock: the next correct start is not kept
# out. Needs no display; the game is a copy in a folder of its own, beside its archives.
set -u
source "$(dirname "$0")/xvfb.sh"
quiet_system_leaks
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy_game "$1"
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy
# A display number no server has: neither its socket nor its lock file exists.
number=99
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
fail=0
DISPLAY=:$number timeout 30 "$work/nupavane" --no-sound 2>"$work/err"
status=$?
if [[ $status -ne 1 ]]; then echo "ended with $status, expected 1"; fail=1; fi
if [[ $(grep -c . "$work/err") -ne 1 ]] || ! grep -q "display :$number" "$work/err"; then
  echo "expected one line naming :$number, said:"; cat "$work/err"; fail=1
fi
if [[ -e $work/nupavane.lock ]]; then echo "the lock was taken without a window"; fail=1; fi
exit $fail
