#!/usr/bin/env bash
# Lines per second of tamrisk-cli --batch over the mixed input of
# bench/batch_input.sh (100,000 lines unless LINES says otherwise), read
# from a file, the answers written to /dev/null.
#
#   bench/batch.sh [ROUNDS]          (default 7)
#
# Gives the median, lowest and 90th-percentile wall time of ROUNDS runs and
# the lines per second of the median. BUILD_DIR (default build) is the build
# folder of tamrisk-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS="${1:-7}"
LINES="${LINES:-100000}"
BUILD_DIR="${BUILD_DIR:-build}"

cmake --build "$BUILD_DIR" --target tamrisk-cli >/dev/null
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cc -std=c11 -O2 bench/spawn_times.c -o "$OUT/spawn_times"
bash bench/batch_input.sh "$LINES" >"$OUT/input.tsv"

"$OUT/spawn_times" -i "$OUT/input.tsv" "$ROUNDS" "$BUILD_DIR/cli/tamrisk-cli" --batch --this-year 2026 |
  tee "$OUT/times"
median=$(awk 'NR == 2 { print $(NF - 5) }' "$OUT/times")
awk -v lines="$LINES" -v ms="$median" \
  'BEGIN { printf "%d lines in %.1f ms: %.0f lines per second\n", lines, ms, lines / ms * 1000 }'
