#!/usr/bin/env bash
# Start-up time of the window program beside a minimal Qt 6 window (one
# QLabel), both started the same way on a virtual display (Xvfb).
#
#   bench/startup.sh [RUNS]          (default 30 runs of each program)
#
# Builds Tamrisk in $BUILD_DIR (default build-startup, configured for a Release
# build of the program alone when it does not exist yet), the minimal
# window and the watcher (bench/startup_watch.c) beside it, then starts the
# two programs in turn, alternating which goes first, after two warm-up runs
# of each. For every run the watcher reports the time from just before the
# process is started to its window shown (mapped and painted) and the
# processor time the process used. The table gives the median, the lowest
# and the 90th percentile of each; the ratio is Tamrisk's median over the
# minimal window's median. DPI (default 96) sets the display's resolution.
# Each run of Tamrisk starts in an empty folder, so without settings. Run as
# root, the display server and the measured programs get the highest
# priority, so that other work on the machine disturbs the figures less.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
RUNS=${1:-30}
DPI=${DPI:-96}
BUILD_DIR=${BUILD_DIR:-build-startup}

bash scripts/install-deps.sh
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTAMRISK_BUILD_TESTS=OFF -DTAMRISK_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" -j 2 --target tamrisk >/dev/null
OUT="$ROOT/$BUILD_DIR/bench-startup"
mkdir -p "$OUT"
# shellcheck disable=SC2046
c++ -std=c++20 -O2 -fPIC bench/startup_minimal.cpp $(pkg-config --cflags --libs Qt6Widgets) \
  -o "$OUT/minimal_window"
cc -std=c11 -O2 bench/startup_watch.c -lxcb -lxcb-damage -o "$OUT/startup_watch"
TAMRISK="$ROOT/$BUILD_DIR/app/tamrisk"
MINIMAL="$OUT/minimal_window"

WORK=$(mktemp -d)
XVFB_PID=
cleanup() {
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# A free display number, and the server started on it.
DISPLAY_NUMBER=90
while [ -e "/tmp/.X${DISPLAY_NUMBER}-lock" ] || [ -e "/tmp/.X11-unix/X${DISPLAY_NUMBER}" ]; do
  DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
PRIORITY=()
if [ "$(id -u)" -eq 0 ]; then PRIORITY=(nice -n -20); fi
"${PRIORITY[@]}" Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 -dpi "$DPI" -nolisten tcp \
  >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X${DISPLAY_NUMBER}" ] && break
  sleep 0.05
done
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

# One start of program $2 in an empty folder; appends "paint_ms cpu_ms" to $1.
measure() {
  local results=$1 program=$2 folder
  folder=$(mktemp -d "$WORK/run.XXXXXX")
  (cd "$folder" && "${PRIORITY[@]}" "$OUT/startup_watch" "$program") | awk '{print $2, $3}' >>"$results"
  rm -rf "$folder"
}

for _ in 1 2; do
  measure "$WORK/warmup" "$MINIMAL"
  measure "$WORK/warmup" "$TAMRISK"
done
for i in $(seq "$RUNS"); do
  if [ $((i % 2)) -eq 0 ]; then
    measure "$WORK/minimal" "$MINIMAL"
    measure "$WORK/tamrisk" "$TAMRISK"
  else
    measure "$WORK/tamrisk" "$TAMRISK"
    measure "$WORK/minimal" "$MINIMAL"
  fi
done

# Median, lowest and 90th percentile of column $2 of file $1.
stats() {
  cut -d' ' -f"$2" "$1" | sort -n | awk '
    { v[NR] = $1 }
    END {
      median = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      p90 = v[int(NR * 0.9 + 0.999)]
      printf "%8.1f %8.1f %8.1f", median, v[1], p90
    }'
}
median() { stats "$1" "$2" | awk '{print $1}'; }

echo "Start-up on Xvfb 1280x1024x24 at $DPI dpi, $RUNS runs of each program"
echo "(process start to window shown, and processor time; milliseconds)"
printf '%-16s %26s   %26s\n' "" "window shown" "processor time"
printf '%-16s %8s %8s %8s   %8s %8s %8s\n' "" median lowest p90 median lowest p90
printf '%-16s %s   %s\n' "minimal window" "$(stats "$WORK/minimal" 1)" "$(stats "$WORK/minimal" 2)"
printf '%-16s %s   %s\n' "Tamrisk" "$(stats "$WORK/tamrisk" 1)" "$(stats "$WORK/tamrisk" 2)"
awk -v t="$(median "$WORK/tamrisk" 1)" -v m="$(median "$WORK/minimal" 1)" \
    -v tc="$(median "$WORK/tamrisk" 2)" -v mc="$(median "$WORK/minimal" 2)" \
  'BEGIN { printf "ratio Tamrisk / minimal (medians): window shown %.2f, processor time %.2f\n", t / m, tc / mc }'
