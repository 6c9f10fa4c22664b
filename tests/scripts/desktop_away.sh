#!/usr/bin/env bash
# The desktop window as a person uses it, in a virtual X display: hidden (minimised), the
# game holds still and costs next to no processor; shown again it goes on; SIGTERM ends it
# at once with status 0, through the exit clean-up, which gives the lock back.
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
fail=0

# run_game NAME SCRIPT: starts the game on SCRIPT, which writes $work/ready when the check
# may begin, and waits for that; its process is $game, what it says $work/NAME.err.
run_game() {
  rm -f "$work/ready"
  printf "${NEW_GAME}until INTRO 60000\nstate $work/ready\n$2" >"$work/$1.txt"
  "$program" --script "$work/$1.txt" 2>"$work/$1.err" &
  game=$!
  if ! wait_for 60 test -e "$work/ready"; then echo "$1: the intro never came"; cat "$work/$1.err"; exit 1; fi
}

# Processor time of the game in clock ticks over `seconds`.
cpu_over() {
  local before after
  before=$(awk '{print $14 + $15}' /proc/$game/stat)
  sleep "$1"
  after=$(awk '{print $14 + $15}' /proc/$game/stat)
  echo $((after - before))
}

# The script closes the window 2.5 s into the intro. Hidden from its start, for 3 s, the
# game holds still: the close (a line the game's own loop runs) must wait until it is shown
# again.
run_game away 'wait 2500\nclose\n'
window=$(xdotool search --name '^nuPavane$' | head -1)
xdotool windowunmap --sync "$window"
away=$(cpu_over 3)
hz=$(getconf CLK_TCK)
echo "hidden for 3 s, the game used $away clock ticks of $hz a second"
# At most 1% of a core while away.
if ((away * 100 > 3 * hz)); then echo "hidden, the game did not rest"; fail=1; fi
if ! kill -0 $game 2>/dev/null; then
  echo "the game went on while hidden and ended"; cat "$work/away.err"; exit 1
fi
# Shown and given the focus again, as a window manager does.
xdotool windowmap --sync "$window"
xdotool windowfocus --sync "$window"
if ! ends_within 5 $game; then echo "shown again, the game did not go on"; fail=1
elif [[ $status -ne 0 ]]; then echo "the game ended with $status:"; cat "$work/away.err"; fail=1
fi

# SIGTERM ends a game at once with status 0, through the exit clean-up.
run_game term 'wait 600000\n'
kill -TERM $game
if ! ends_within 3 $game; then echo "SIGTERM did not end the game within 3 s"; fail=1
elif [[ $status -ne 0 ]]; then echo "after SIGTERM the game ended with $status:"; cat "$work/term.err"; fail=1
fi
# The exit clean-up gave the lock back: a second copy is not refused.
printf 'wait 300\nclose\n' >"$work/second.txt"
if ! timeout 20 "$program" --script "$work/second.txt" 2>"$work/second.err"; then
  echo "a copy after the first was refused:"; cat "$work/second.err"; fail=1
fi
exit $fail
