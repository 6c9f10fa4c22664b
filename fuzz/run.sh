#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz and runs each for a bounded time or
# number of inputs; fails when any of them finds a fault.
#
#   fuzz/run.sh [SECONDS | -runs=N]       (default: -runs=20000 inputs per target)
#
# A run of N inputs also stops each target after FUZZ_TARGET_SECONDS (default 8), so that
# the bounded run in the tests takes about as long however many targets there are: the
# slow ones (a land through the archive, a JPEG) stop on the time, the fast on the count.
#
# Every executable build/fuzz/*_fuzz runs on its corpus fuzz/corpus/NAME_fuzz, which the
# program build/fuzz/NAME_fuzz_seeds, when there is one, fills with valid inputs first.
# The input behind a finding is kept as build/fuzz/findings/NAME_fuzz-crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

limit="${1:--runs=20000}"
case "$limit" in
  -runs=[0-9]*) limit="$limit -max_total_time=${FUZZ_TARGET_SECONDS:-8}" ;;
  ''|*[!0-9]*) echo "usage: fuzz/run.sh [SECONDS | -runs=N]" >&2; exit 2 ;;
  *) limit="-max_total_time=$limit" ;;
esac

CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUPAVANE_FUZZ=ON \
  -DNUPAVANE_DESKTOP=OFF -DNUPAVANE_TESTS=OFF -DNUPAVANE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target fuzz_targets

mkdir -p build/fuzz/findings
failed=()
for target in build/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="fuzz/corpus/$name"
  mkdir -p "$corpus"
  if [ -x "build/fuzz/${name}_seeds" ]; then
    "build/fuzz/${name}_seeds" "$corpus"
  fi
  echo "== $name: $limit"
  started=$SECONDS
  # shellcheck disable=SC2086  # the limit may be two options
  if "$target" $limit -artifact_prefix="build/fuzz/findings/$name-" "$corpus"; then
    echo "== $name: no finding ($((SECONDS - started)) s)"
  else
    echo "== $name: FOUND A FAULT, see build/fuzz/findings/" >&2
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
