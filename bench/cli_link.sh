#!/usr/bin/env bash
# tamrisk-cli linked four ways from the same objects, side by side: the
# usual link (a position-independent executable with shared libraries), the
# C++ run-time linked in (-static-libstdc++ -static-libgcc), a static
# position-independent executable (-static-pie, what the build does) and a
# static executable at a fixed address (-static).
#
#   bench/cli_link.sh [ROUNDS]       (default 100)
#
# For each: the instructions of the whole process (callgrind) for
# `tamrisk-cli 1 m`, for `--version` and for `10 V 0 Ω` (whose rules fail,
# so that the first exception is thrown), then the wall time of
# `tamrisk-cli 1 m`, the four taking turns run by run (bench/spawn_times.c).
# BUILD_DIR (default build) is the build folder whose objects are linked.
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS="${1:-100}"
BUILD_DIR="${BUILD_DIR:-build}"

cmake --build "$BUILD_DIR" --target tamrisk-cli >/dev/null
CXX=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$BUILD_DIR/CMakeCache.txt")
OBJECTS=("$BUILD_DIR/cli/CMakeFiles/tamrisk-cli.dir/main.cpp.o" "$BUILD_DIR/cli/libtamrisk_cli_lib.a"
         "$BUILD_DIR/formulas/libtamrisk_formulas.a" "$BUILD_DIR/engine/libtamrisk_engine.a")
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cc -std=c11 -O2 bench/spawn_times.c -o "$OUT/spawn_times"

declare -A FLAGS=(
  [shared]=""
  [runtime-in]="-static-libstdc++ -static-libgcc"
  [static-pie]="-static-pie"
  [static]="-static"
)
NAMES=(shared runtime-in static-pie static)
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
printf '%-12s %14s %14s %14s   (instructions of the whole process)\n' "" "1 m" "--version" "10 V 0 Ω"
times=()
for name in "${NAMES[@]}"; do
  # shellcheck disable=SC2086 # the flags are words
  "$CXX" -O3 ${FLAGS[$name]} "${OBJECTS[@]}" -o "$OUT/$name"
  printf '%-12s %14d %14d %14d\n' "$name" "$(instructions "$OUT/$name" 1 m)" \
    "$(instructions "$OUT/$name" --version)" "$(instructions "$OUT/$name" 10 V 0 Ω)"
  if [ ${#times[@]} -ne 0 ]; then times+=(--); fi
  times+=("$OUT/$name" 1 m)
done
"$OUT/spawn_times" "$ROUNDS" "${times[@]}" | sed "s|$OUT/||g"
