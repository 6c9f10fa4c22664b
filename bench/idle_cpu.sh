#!/usr/bin/env bash
# Idle CPU of the desktop window while the game waits for the player, in a virtual display
# of its own: the share of one core the game's process uses over SECONDS (default 10) of
# waiting, in each STATE asked for (default: all of them):
#   START         the title screen, waiting for a tap
#   ROUND         the first round, its hourglass turning
#   SETTINGS_KEY  the settings screen, waiting for a direction key after a square's tap
#   FIGHT_HOLD    the fight room's map, the stylus held down on it
#   MONTHEND_KEY  the month-end report, a direction key held down
# Each state is reached by a script; the measurement starts when the script says the game
# is there (it writes its state dump), so nothing depends on how fast the machine is, and
# the display is one no other run holds.
set -euo pipefail
program=${1:?usage: bench/idle_cpu.sh PATH/TO/nupavane [SECONDS] [STATE...]}
seconds=${2:-10}
shift $(($# >= 2 ? 2 : $#))
states=("$@")
((${#states[@]})) || states=(START ROUND SETTINGS_KEY FIGHT_HOLD MONTHEND_KEY)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/scripts/xvfb.sh"
work=$(mktemp -d)
game=
trap 'kill -KILL $game 2>/dev/null; kill $XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
start_xvfb

# The way to a state, after the new game's questions and the intro.
route() {
  printf "${NEW_GAME}until START 60000\n"
  [[ $1 == START ]] && return
  printf 'wait 100\ntap 240 200\nuntil ROUND 60000\n'
  case $1 in
    SETTINGS_KEY) printf 'wait 300\ntap 29 210\nuntil SETTINGS 30000\nwait 300\ntap 114 177\n' ;;
    FIGHT_HOLD) printf 'wait 300\ntap 60 100\nuntil CASTLE 30000\nwait 300\ntap 22 215\nuntil FIGHT 30000\nwait 300\npress 200 100\n' ;;
    # The hourglass; the reminder that the human has not moved; the month, whose fights
    # are shown over the report's screen; then the report.
    MONTHEND_KEY) printf 'wait 300\ntap 160 215\nwait 500\ntap 260 170\nuntil ENGINE 30000\nwait 5000\nuntil ENGINE 60000\nwait 300\nkey down down\n' ;;
    ROUND) ;;
    *) echo "unknown state $1" >&2; exit 2 ;;
  esac
}

cpu_ticks() { cut -d' ' -f14,15 "/proc/$game/stat" | awk '{ print $1 + $2 }'; }

for state in "${states[@]}"; do
  rm -f "$work/ready"
  { route "$state"; printf 'wait 500\nstate %s\nwait %d\nclose\n' "$work/ready" "$(((seconds + 120) * 1000))"; } >"$work/script"
  "$program" --no-sound --script "$work/script" 2>"$work/err" &
  game=$!
  if ! wait_for 180 test -e "$work/ready"; then
    echo "$state: never reached" >&2
    cat "$work/err" >&2
    exit 1
  fi
  ticks=$(getconf CLK_TCK)
  before=$(cpu_ticks)
  t0=$(date +%s.%N)
  sleep "$seconds"
  after=$(cpu_ticks)
  t1=$(date +%s.%N)
  kill -TERM $game
  wait $game 2>/dev/null || true
  game=
  awk -v s="$state" -v c0="$before" -v c1="$after" -v hz="$ticks" -v a="$t0" -v b="$t1" \
    'BEGIN { cpu = (c1 - c0) / hz; printf "%-13s %.2f s of CPU over %.2f s: %5.1f%% of one core\n", s, cpu, b - a, 100 * cpu / (b - a) }'
done
