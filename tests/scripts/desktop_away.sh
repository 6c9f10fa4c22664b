#!/usr/bin/env bash
# The desktop window as a person uses it, in a virtual X display: hidden (minimised), the
# game holds still and costs next to no processor; shown again it goes on; SIGTERM ends it
# at once with status 0, through the exit clean-up. A run without a display fails.
set -u
program=$1
display=${2:-:67}
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "no display: Xvfb and xdotool are needed for this test"; exit 1
fi
work=$(mktemp -d)
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
# The X libraries keep a few allocations to the end, which the leak checker would count.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
if ! xdotool getmouselocation >/dev/null 2>&1; then echo "no display: Xvfb did not start on $display"; exit 1; fi

# The script closes the window 2.5 s into the intro. Hidden from 2 s on, for 3 s, the game
# holds still: the close (a line the game's own loop runs) must wait until it is shown again.
# A script's waits run on real time here: long limits.
printf 'wait 200\ntap 223 47\nwait 200\ntap 73 87\nuntil INTRO 60000\nwait 2500\nclose\n' >"$work/play.txt"
"$program" --script "$work/play.txt" 2>"$work/game.err" &
game=$!
window=$(timeout 10 xdotool search --sync --name '^nuPavane$' | head -1)
if [[ -z $window ]]; then echo "the window did not appear"; cat "$work/game.err"; exit 1; fi

# Processor time of the game in clock ticks over `seconds`.
cpu_over() {
  local before after
  before=$(awk '{print $14 + $15}' /proc/$game/stat)
  sleep "$1"
  after=$(awk '{print $14 + $15}' /proc/$game/stat)
  echo $((after - before))
}
fail=0
sleep 2
xdotool windowunmap --sync "$window"
away=$(cpu_over 3)
hz=$(getconf CLK_TCK)
echo "hidden for 3 s, the game used $away clock ticks of $hz a second"
# At most 1% of a core while away.
if (( away * 100 > 3 * hz )); then echo "hidden, the game did not rest"; fail=1; fi
if ! kill -0 $game 2>/dev/null; then echo "the game went on while hidden and ended"; cat "$work/game.err"; exit 1; fi
# Shown and given the focus again, as a window manager does.
xdotool windowmap --sync "$window"
xdotool windowfocus --sync "$window"
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
if kill -0 $game 2>/dev/null; then echo "shown again, the game did not go on"; kill -KILL $game; fail=1; fi
wait $game
status=$?
if [[ $status -ne 0 ]]; then echo "the game ended with $status:"; cat "$work/game.err"; fail=1; fi

# SIGTERM ends a game at once with status 0, through the exit clean-up.
printf 'wait 200\ntap 223 47\nwait 200\ntap 73 87\nuntil INTRO 60000\nwait 600000\n' >"$work/long.txt"
"$program" --script "$work/long.txt" 2>"$work/game.err" &
game=$!
timeout 10 xdotool search --sync --name '^nuPavane$' >/dev/null
sleep 1
kill -TERM $game
for _ in $(seq 30); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
if kill -0 $game 2>/dev/null; then echo "SIGTERM did not end the game within 3 s"; kill -KILL $game; fail=1; fi
wait $game
status=$?
if [[ $status -ne 0 ]]; then echo "after SIGTERM the game ended with $status:"; cat "$work/game.err"; fail=1; fi
# The exit clean-up gave the lock back: a second copy is not refused.
printf 'wait 300\nclose\n' >"$work/second.txt"
if ! timeout 20 "$program" --script "$work/second.txt" 2>"$work/second.err"; then
  echo "a copy after the first was refused:"; cat "$work/second.err"; fail=1
fi
exit $fail
