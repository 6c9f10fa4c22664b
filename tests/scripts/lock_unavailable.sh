#!/usr/bin/env bash
# A single-instance lock that cannot be created (here a folder stands where the lock file
# goes) does not stop the game: it says so once and plays on until the window is closed.
set -u
# What is checked is the status and the lines said; the system libraries' own leaks (D-Bus,
# X) at exit are not this check's business.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
folder=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -p "$folder/nupavane" "$folder/gfx.arc" "$folder/snd.arc" "$work/"
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
