#!/usr/bin/env bash
# The desktop game on a virtual display: SIGTERM ends it (through the exit clean-up, status
# 0), and so does the display going
# away under it (the X server killed), with status 1 and one line naming the display.
# Without Xvfb there is nothing to check, and the check fails rather than pass unseen.
set -u
# What is checked is the status and the lines said; the system libraries' own leaks (D-Bus,
# X) at exit are not this check's business.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
program=$1
here=$(dirname "$0")
source "$here/xvfb.sh"
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
game=
trap 'kill -KILL $game $XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
# Answers the new-game questions and says when the intro runs (the start-up's loading lines
# are said by then), then waits on it far longer than the check runs.
printf 'wait 500\ntap 223 47\nwait 1500\ntap 73 87\nuntil INTRO 60000\nstate %s\nwait 600000\n' \
  "$work/ready" >"$work/script"
fail=0

# ends_within SECONDS: the game's process has ended by then; its status is in $status.
ends_within() {
  if wait_for "$1" eval '! kill -0 $game 2>/dev/null'; then
    wait $game
    status=$?
    return 0
  fi
  return 1
}

# run_game NAME: starts the game on the display and waits for its window and its intro;
# what it says from then on goes to NAME.said.
run_game() {
  rm -f "$work/ready"
  "$program" --no-sound --seed 1 --script "$work/script" 2>"$work/$1.err" &
  game=$!
  if ! wait_for 60 window_shown || ! wait_for 60 test -e "$work/ready"; then
    echo "$1: the game's window or its intro never appeared:"; cat "$work/$1.err"; return 1
  fi
  said_from=$(wc -c <"$work/$1.err")
}

# said NAME: what the game said after its intro came up.
said() { tail -c +$((said_from + 1)) "$work/$1.err"; }

start_xvfb || exit 1
if run_game term; then
  kill -TERM $game
  if ! ends_within 10; then echo "term: SIGTERM did not end the game"; fail=1
  elif [[ $status -ne 0 ]]; then echo "term: ended with $status, not through the exit clean-up"; fail=1
  fi
else
  fail=1
fi

if run_game lost; then
  kill -KILL "$XVFB_PID"
  if ! ends_within 10; then
    echo "lost: the game runs on without its display"
    kill -TERM $game
    ends_within 5 || echo "lost: and SIGTERM does not end it either"
    fail=1
  else
    if [[ $status -ne 1 ]]; then echo "lost: ended with $status, expected 1"; fail=1; fi
    if [[ $(said lost | grep -c .) -ne 1 ]] || ! said lost | grep -q "display $DISPLAY went away"; then
      echo "lost: expected one line naming $DISPLAY, said:"; said lost; fail=1
    fi
  fi
else
  fail=1
fi
exit $fail
