#!/usr/bin/env bash
# Peak memory of `tamrisk-cli --batch` over one long line with seven fields
# (a number of 1, 20 and 200 MB, then six short fields; between two short
# lines), now and at an earlier revision (default: the last one that held
# such a line whole), built the same way side by side. Needs GNU time
# (/usr/bin/time, Debian package "time").
#
#   bench/batch_memory.sh [REVISION] [MEGABYTES...]
set -euo pipefail
cd "$(dirname "$0")/.."
REV="${1:-c3bbcda}"
shift || true
SIZES=("$@")
if [ ${#SIZES[@]} -eq 0 ]; then SIZES=(1 20 200); fi
BUILD_DIR="${BUILD_DIR:-build}"
if [ ! -x /usr/bin/time ]; then
  echo "bench/batch_memory.sh needs GNU time: apt install time" >&2
  exit 1
fi
cmake --build "$BUILD_DIR" --target tamrisk-cli >/dev/null

WORK="$BUILD_DIR/bench-batch-memory"
rm -rf "$WORK"
mkdir -p "$WORK"
OLD_SRC="$(cd "$WORK" && pwd)/src"
trap 'git worktree remove --force "$OLD_SRC" >/dev/null 2>&1 || true; rm -rf "$WORK"' EXIT
git worktree add --detach "$OLD_SRC" "$REV" >/dev/null 2>&1
cmake -S "$OLD_SRC" -B "$OLD_SRC/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAMRISK_BUILD_UI=OFF -DTAMRISK_BUILD_TESTS=OFF -DTAMRISK_BUILD_BENCH=OFF >/dev/null
cmake --build "$OLD_SRC/build" --target tamrisk-cli >/dev/null

GOOD=$'10\t \tV\t5\t \tΩ\tW'
# Peak resident memory in kilobytes, and the long line's answer's first bytes.
peak() {
  /usr/bin/time -f %M -o "$WORK/peak" "$1" --batch <"$WORK/lines.tsv" >"$WORK/out" || true
  printf '%8s KB  %s\n' "$(cat "$WORK/peak")" "$(sed -n 2p "$WORK/out" | head -c 60)"
}
echo "tamrisk-cli --batch, a short line, a line with a number of N MB, a short line:"
echo "peak resident memory"
for mb in "${SIZES[@]}"; do
  {
    printf '%s\n' "$GOOD"
    head -c $((mb * 1000 * 1000)) /dev/zero | tr '\0' '1'
    printf '\t \tV\t5\t \tΩ\tW\n%s\n' "$GOOD"
  } >"$WORK/lines.tsv"
  printf '%4d MB  %-12s %s\n' "$mb" "now:" "$(peak "$BUILD_DIR/cli/tamrisk-cli")"
  printf '%4d MB  %-12s %s\n' "$mb" "at $REV:" "$(peak "$OLD_SRC/build/cli/tamrisk-cli")"
done
