#!/bin/sh
# The balance of the computer's rulers: 100 games from seed 1 for each seat of each pairing
# (300 games a pairing), one line each with the talismans by kind and the closing wins.
# Usage: tools/sim/balance.sh [path to nupavane-sim] (default build/release/nupavane-sim)
sim=${1:-build/release/nupavane-sim}
run() {
  printf '%-40s ' "$*"
  "$sim" --seed 1 --games 100 --months 2000 --quiet "$@" 2>/dev/null | grep -E '^(talismans by kind|wins):' |
    tr '\n' ' '
  echo
}
echo "one human against two cunning rulers"
for p in human,cunning,cunning cunning,human,cunning cunning,cunning,human; do run --players $p; done
echo "two humans against one cunning ruler"
for p in cunning,human,human human,cunning,human human,human,cunning; do run --players $p; done
echo "classic against cunning (no human: a game only the simulation plays)"
for p in cunning,classic,classic classic,cunning,classic classic,classic,cunning; do run --all-computer --players $p; done
for p in classic,cunning,cunning cunning,classic,cunning cunning,cunning,classic; do run --all-computer --players $p; done
echo "one human against two classic rulers"
for p in human,classic,classic classic,human,classic classic,classic,human; do run --players $p; done
