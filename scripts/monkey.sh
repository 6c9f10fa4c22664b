#!/usr/bin/env bash
# The monkey test: the real program, headless, plays a script of random taps, drags, keys
# and waits that nupavane-monkey writes (a smart monkey: it answers the new-game questions,
# opens the castle and its rooms, the settings, saves, loads and ends rounds). It fails on
# a crash, a sanitizer's report, a hang (the script's watchdog: no new frame for a minute of
# virtual time; or the run outliving its time limit) or a screen the monkey never reached.
#
#   scripts/monkey.sh [--events N] [--seed S] [--program PATH] [--monkey PATH]
#                     [--archives FOLDER] [--work FOLDER] [--time-limit SECONDS]
#
# Defaults: 3000 events, seed 1, the sanitizer build's program and generator in build/check
# and the archives beside them; the run happens in a fresh folder (default: a temporary
# one, kept when the run fails), so no settings or savegames of a player's own get in.
set -euo pipefail
cd "$(dirname "$0")/.."

events=3000 seed=1 program=build/check/nupavane monkey=build/check/nupavane-monkey
archives="" work="" limit=900
while [ $# -gt 0 ]; do
  case "$1" in
    --events) events="$2" ;;
    --seed) seed="$2" ;;
    --program) program="$2" ;;
    --monkey) monkey="$2" ;;
    --archives) archives="$2" ;;
    --work) work="$2" ;;
    --time-limit) limit="$2" ;;
    *) echo "usage: scripts/monkey.sh [--events N] [--seed S] [--program PATH] [--monkey PATH]" \
            "[--archives FOLDER] [--work FOLDER] [--time-limit SECONDS]" >&2; exit 2 ;;
  esac
  shift 2
done
archives="${archives:-$(dirname "$program")}"
for file in "$program" "$monkey" "$archives/gfx.arc" "$archives/snd.arc"; do
  [ -f "$file" ] || { echo "monkey: $file is missing (build the game, its content and nupavane-monkey)" >&2; exit 2; }
done

# The screens a player opens; the others (announcements, the win) count when they come.
required=(START ROUND CASTLE FIGHT DRAGON HATCHERY MAGE INFO SETTINGS ENGINE)

if [ -z "$work" ]; then work="$(mktemp -d "${TMPDIR:-/tmp}/nupavane-monkey.XXXXXX")"; fi
rm -rf "$work"
mkdir -p "$work/dumps"
cp "$program" "$archives/gfx.arc" "$archives/snd.arc" "$work/"
"$monkey" --events "$events" --seed "$seed" --dumps "$work/dumps" >"$work/monkey.txt" 2>"$work/monkey.log"
played="$(sed -n 's/^nupavane-monkey: \([0-9]*\) events$/\1/p' "$work/monkey.log")"

started=$SECONDS
status=0
( cd "$work" && timeout --kill-after=10 "$limit" "./$(basename "$program")" --headless \
    --seed "$seed" --script monkey.txt >/dev/null 2>stderr.txt ) || status=$?

faults=()
case $status in
  0) ;;
  124|137) faults+=("the run did not end within $limit s (a hang)") ;;
  *) faults+=("the game ended with status $status") ;;
esac
if grep -qE "Sanitizer|runtime error:" "$work/stderr.txt"; then faults+=("a sanitizer reported a fault"); fi
if grep -q "^script:" "$work/stderr.txt"; then faults+=("$(grep -m1 "^script:" "$work/stderr.txt")"); fi

reached="$(cat "$work"/dumps/*.txt 2>/dev/null | sed -n 's/^screen = //p' | sort -u | tr '\n' ' ')"
for screen in "${required[@]}"; do
  case " $reached " in *" $screen "*) ;; *) faults+=("screen $screen never reached") ;; esac
done

echo "monkey: seed $seed, $played events in $((SECONDS - started)) s; screens reached: ${reached:-none}"
if [ ${#faults[@]} -gt 0 ]; then
  printf 'monkey: FAULT: %s\n' "${faults[@]}" >&2
  grep -m20 -E "ERROR|Sanitizer|runtime error|script:" "$work/stderr.txt" >&2 || true
  echo "monkey: the script, its state dumps and the game's output are in $work" >&2
  exit 1
fi
rm -rf "$work"
