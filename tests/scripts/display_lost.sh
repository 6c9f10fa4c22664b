#!/usr/bin/env bash
# The desktop game on a virtual display that goes away under it (the X server killed) ends
# with status 1 and one line naming the display.
set -u
program=$1
source "$(dirname "$0")/xvfb.sh"
quiet_system_leaks
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
game=
trap 'kill -KILL $game $XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
start_xvfb || exit 1
# The script says when the intro runs (the start-up's loading lines are said by then), then
# waits on it far longer than the check runs.
printf "${NEW_GAME}until INTRO 60000\nstate $work/ready\nwait 600000\n" >"$work/script"
"$program" --no-sound --seed 1 --script "$work/script" 2>"$work/err" &
game=$!
if ! wait_for 60 window_shown || ! wait_for 60 test -e "$work/ready"; then
  echo "the game's window or its intro never appeared:"; cat "$work/err"; exit 1
fi
said_from=$(wc -c <"$work/err")
kill -KILL "$XVFB_PID"
if ! ends_within 10 $game; then
  echo "the game runs on without its display"
  kill -TERM $game
  ends_within 5 $game || echo "and SIGTERM does not end it either"
  exit 1
fi
# What the game said after its intro came up.
said=$(tail -c +$((said_from + 1)) "$work/err")
fail=0
if [[ $status -ne 1 ]]; then echo "ended with $status, expected 1"; fail=1; fi
if [[ $(grep -c . <<<"$said") -ne 1 ]] || ! grep -q "display $DISPLAY went away" <<<"$said"; then
  echo "expected one line naming $DISPLAY, said:"; echo "$said"; fail=1
fi
exit $fail
