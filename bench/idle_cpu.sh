#!/usr/bin/env bash
# Idle CPU of the desktop window on a screen that waits for a tap, in a virtual display: the
# share of one core the game's own process uses over SECONDS (default 10) of waiting, on the
# title screen (START, the default) or on the first round (ROUND, its hourglass turning).
set -euo pipefail
program=${1:?usage: bench/idle_cpu.sh PATH/TO/nupavane [SECONDS] [START|ROUND]}
seconds=${2:-10}
screen=${3:-START}
work=$(mktemp -d)
Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
# The new game's questions first: two computer opponents, the human plays character 0.
{
  printf 'wait 200\ntap 223 47\nwait 200\ntap 73 87\nuntil START 30000\n'
  if [[ $screen == ROUND ]]; then printf 'wait 100\ntap 240 200\nuntil ROUND 30000\n'; fi
  # During a game the first close asks; the second ends it.
  printf 'wait %d\nclose\nwait 500\nclose\n' "$(((seconds + 4) * 1000))"
} >"$work/script"
DISPLAY=:97 "$program" --no-sound --script "$work/script" 2>/dev/null &
game=$!
sleep 10   # start-up and the intro are not idle
ticks=$(getconf CLK_TCK)
read -r -a before < <(cut -d' ' -f14,15 "/proc/$game/stat")
t0=$(date +%s.%N)
sleep "$seconds"
read -r -a after < <(cut -d' ' -f14,15 "/proc/$game/stat")
t1=$(date +%s.%N)
wait $game || true
awk -v u0="${before[0]}" -v s0="${before[1]}" -v u1="${after[0]}" -v s1="${after[1]}" -v hz="$ticks" \
    -v a="$t0" -v b="$t1" \
  'BEGIN { cpu = (u1 + s1 - u0 - s0) / hz; printf "idle: %.2f s of CPU over %.2f s: %.1f%% of one core\n", cpu, b - a, 100 * cpu / (b - a) }'
