#!/usr/bin/env bash
# A second copy of the game finds the first one's window through its lock, says so and
# stops; a headless run, having no window, is not in the way.
set -u
program=$1
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The first copy answers the new-game questions, waits on the intro, then closes.
printf 'wait 200\ntap 223 47\nwait 1500\ntap 73 87\nuntil INTRO 20000\nwait 3000\nclose\n' >"$work/first.txt"
"$program" --script "$work/first.txt" 2>"$work/first.err" &
first=$!
sleep 1
"$program" 2>"$work/second.err"
status=$?
fail=0
if [[ $status -ne 1 ]]; then echo "second copy ended with $status, expected 1"; fail=1; fi
if ! grep -q "another copy of nuPavane is running" "$work/second.err"; then
  echo "second copy did not say why:"; cat "$work/second.err"; fail=1
fi
if ! "$program" --headless 2>/dev/null; then echo "a headless run was refused"; fail=1; fi
wait $first
status=$?
if [[ $status -ne 0 ]]; then echo "first copy ended with $status:"; cat "$work/first.err"; fail=1; fi
exit $fail
