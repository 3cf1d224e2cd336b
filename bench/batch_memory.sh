#!/usr/bin/env bash
# Peak memory of `tamrisk-cli --batch` over one line of 20,000,000 TABs
# (20 MB, an error line), now and at an earlier revision (default: the last
# one that built every field of a line), built the same way side by side.
# Needs GNU time (/usr/bin/time, Debian package "time").
#
#   bench/batch_memory.sh [REVISION] [MEGABYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
REV="${1:-41379b5}"
MB="${2:-20}"
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

LINE="$WORK/tabs.txt"
head -c $((MB * 1000 * 1000)) /dev/zero | tr '\0' '\t' >"$LINE"
echo >>"$LINE"

# Peak resident memory in kilobytes, and the answer's first bytes.
peak() {
  /usr/bin/time -f %M -o "$WORK/peak" "$1" --batch <"$LINE" >"$WORK/out" || true
  printf '%s KB  %s\n' "$(cat "$WORK/peak")" "$(head -c 70 "$WORK/out")"
}
printf 'tamrisk-cli --batch, one line of %d MB of TABs, peak resident memory:\n' "$MB"
printf '  now:      %s\n' "$(peak "$BUILD_DIR/cli/tamrisk-cli")"
printf '  at %s: %s\n' "$REV" "$(peak "$OLD_SRC/build/cli/tamrisk-cli")"
