#!/usr/bin/env bash
# The whole process `tamrisk-cli 1 m`, start to exit, now and at an earlier
# revision (default: the last one before the catalogue grew beyond Ohm's law
# and the conversions), built the same way side by side.
#
#   bench/cli_process.sh [REVISION] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
REV="${1:-390dbf8}"
RUNS="${2:-200}"
BUILD_DIR="${BUILD_DIR:-build}"
cmake --build "$BUILD_DIR" --target tamrisk-cli >/dev/null

OLD_SRC=$(mktemp -d)
trap 'git worktree remove --force "$OLD_SRC" >/dev/null 2>&1 || true; rm -rf "$OLD_SRC"' EXIT
git worktree add --detach "$OLD_SRC" "$REV" >/dev/null 2>&1
cmake -S "$OLD_SRC" -B "$OLD_SRC/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAMRISK_BUILD_UI=OFF -DTAMRISK_BUILD_TESTS=OFF -DTAMRISK_BUILD_BENCH=OFF >/dev/null
cmake --build "$OLD_SRC/build" --target tamrisk-cli >/dev/null

# Median wall time of RUNS runs, in microseconds, the two programs taking
# turns so that both see the same machine.
measure() {
  local now=() old=() t0 t1
  for _ in $(seq 1 "$RUNS"); do
    t0=$(date +%s%N); "$BUILD_DIR/cli/tamrisk-cli" 1 m >/dev/null; t1=$(date +%s%N)
    now+=($(((t1 - t0) / 1000)))
    t0=$(date +%s%N); "$OLD_SRC/build/cli/tamrisk-cli" 1 m >/dev/null; t1=$(date +%s%N)
    old+=($(((t1 - t0) / 1000)))
  done
  local mid=$((RUNS / 2))
  local now_median old_median
  now_median=$(printf '%s\n' "${now[@]}" | sort -n | sed -n "$((mid + 1))p")
  old_median=$(printf '%s\n' "${old[@]}" | sort -n | sed -n "$((mid + 1))p")
  printf 'tamrisk-cli 1 m, median of %d runs: now %d µs, at %s %d µs, difference %+d µs\n' \
    "$RUNS" "$now_median" "$REV" "$old_median" $((now_median - old_median))
}
measure
