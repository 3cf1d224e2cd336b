#!/usr/bin/env bash
# Compile time of the engine and the formula tables, the libraries that every
# front end links, from an empty build folder without ccache: the checked-out
# sources beside an earlier revision (default: the last one that built the
# catalogue at run time), with each compiler in turn.
#
#   bench/build_time.sh [REVISION] [COMPILER...]     (default: d4fe6bc g++ clang++-14)
#
# Prints the processor time (user + system, what two cores shared by several
# builds pay) and the wall time of `ninja -j2`. The builds go to
# $BUILD_DIR/build-time (BUILD_DIR defaults to build).
set -euo pipefail
cd "$(dirname "$0")/.."
REV="${1:-d4fe6bc}"
shift || true
COMPILERS=("$@")
if [ ${#COMPILERS[@]} -eq 0 ]; then COMPILERS=(g++ clang++-14); fi
OUT="${BUILD_DIR:-build}/build-time"
export CCACHE_DISABLE=1

rm -rf "$OUT"
mkdir -p "$OUT/old-src"
git archive "$REV" | tar -x -C "$OUT/old-src"

# Configures and builds one source tree; prints "cpu wall" in seconds.
measure() {
  local src=$1 dir=$2 cxx=$3
  cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER="$cxx" \
    -DTAMRISK_BUILD_UI=OFF -DTAMRISK_BUILD_TESTS=OFF -DTAMRISK_BUILD_BENCH=OFF >/dev/null
  local TIMEFORMAT='%U %S %R' t
  t=$({ time ninja -C "$dir" -j2 tamrisk_engine tamrisk_formulas >/dev/null; } 2>&1)
  awk '{ printf "%.1f %.1f\n", $1 + $2, $3 }' <<<"$t"
}

for cxx in "${COMPILERS[@]}"; do
  read -r now_cpu now_wall < <(measure . "$OUT/now-$cxx" "$cxx")
  read -r old_cpu old_wall < <(measure "$OUT/old-src" "$OUT/old-$cxx" "$cxx")
  printf '%-12s engine and formulas: now %6.1f s processor (%5.1f s wall), at %s %6.1f s processor (%5.1f s wall)\n' \
    "$cxx" "$now_cpu" "$now_wall" "$REV" "$old_cpu" "$old_wall"
done
