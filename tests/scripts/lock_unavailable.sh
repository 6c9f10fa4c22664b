#!/usr/bin/env bash
# A single-instance lock that cannot be created (here a folder stands where the lock file
# goes) does not stop the game: it says so once and plays on until the window is closed.
set -u
source "$(dirname "$0")/xvfb.sh"
quiet_system_leaks
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy_game "$1"
mkdir "$work/nupavane.lock"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
fail=0
# Closing the window at the first question ends the game as a player would.
printf 'wait 300\nclose\n' >"$work/script"
"$work/nupavane" --script "$work/script" 2>"$work/err"
status=$?
if [[ $status -ne 0 ]]; then echo "ended with $status:"; cat "$work/err"; fail=1; fi
said=$(grep -c "cannot create the lock $work/nupavane.lock" "$work/err")
if [[ $said -ne 1 ]]; then echo "the lock was named $said times, not once:"; cat "$work/err"; fail=1; fi
exit $fail
