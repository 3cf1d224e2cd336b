#!/usr/bin/env bash
# Start-up time of the window program beside three yardsticks, all started
# the same way on a virtual display (Xvfb): a minimal Qt 6 window (one
# QLabel); the same window at the main window's size; and a window of three
# labels in the three faces the main window draws (bench/startup_faces.cpp).
#
#   bench/startup.sh [RUNS]          (default 30 runs of each program)
#   bench/startup.sh --instructions  (one run of each under callgrind)
#
# Builds Tamrisk and the two yardstick programs in $BUILD_DIR (default
# build-startup, configured for a Release build without the tests when it
# does not exist yet) and the watcher (bench/startup_watch.c) beside them.
# It reads the main window's size off one start of Tamrisk, then starts the
# programs in turn, and Tamrisk a second time with its font configuration
# read in turn rather than ahead (XDG_ACTIVATION_TOKEN set, which the X11
# platform ignores otherwise), rotating which goes first, after two warm-up
# runs of each. For every run the watcher reports the time from just before
# the process is started to its window shown (mapped and painted) and the
# processor time the process used. The table gives the median, the lowest
# and the 90th percentile of each, and the median time from the window
# mapped to its last drawing (painting); the ratios are of the medians. The
# minimal window at the main window's size shows what the window's area
# alone costs (a larger picture to fill and hand to the display), and the
# faces window what the fonts alone cost, before any control is made. DPI
# (default 96) sets the display's resolution. Each run starts in an empty
# folder, so Tamrisk starts without settings. Run as root, the display
# server and the measured programs get the highest priority, so that other
# work on the machine disturbs the figures less.
#
# With --instructions each program is started once under callgrind instead,
# through the same watcher, which ends it once its window is shown. The table
# gives the instructions from process start to then: in all, and in the
# parts of the start-up that differ between the programs. Instruction counts
# are repeatable whatever else the machine is doing; they show where the
# time goes.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
MODE=time
if [ "${1:-}" = "--instructions" ]; then
  MODE=instructions
  shift
fi
RUNS=${1:-30}
DPI=${DPI:-96}
BUILD_DIR=${BUILD_DIR:-build-startup}

bash scripts/install-deps.sh
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAMRISK_BUILD_TESTS=OFF >/dev/null
fi
cmake -S . -B "$BUILD_DIR" -DTAMRISK_BUILD_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j 2 --target tamrisk startup_minimal_window startup_faces_window >/dev/null
OUT="$ROOT/$BUILD_DIR/bench-startup"
mkdir -p "$OUT"
cc -std=c11 -O2 bench/startup_watch.c -lxcb -lxcb-damage -o "$OUT/startup_watch"
TAMRISK="$ROOT/$BUILD_DIR/app/tamrisk"
MINIMAL="$ROOT/$BUILD_DIR/bench/startup_minimal_window"
FACES="$ROOT/$BUILD_DIR/bench/startup_faces_window"

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

NAMES=(minimal sized faces tamrisk in_turn)
# The program named $1 in PROGRAM, its arguments in ARGUMENTS, and the
# environment it starts with in ENVIRONMENT.
program() {
  ENVIRONMENT=()
  ARGUMENTS=()
  case $1 in
    minimal) PROGRAM=$MINIMAL ;;
    sized) PROGRAM=$MINIMAL ARGUMENTS=("$MAIN_WINDOW_SIZE") ;;
    faces) PROGRAM=$FACES ;;
    tamrisk) PROGRAM=$TAMRISK ;;
    in_turn) PROGRAM=$TAMRISK ENVIRONMENT=(XDG_ACTIVATION_TOKEN=startup-bench) ;;
  esac
}

# One start of the program named $2 in an empty folder, watched by the
# watcher or by the command given after $2; appends the watcher's
# "paint_ms cpu_ms" and the time from the window mapped to painted to $1.
measure() {
  local results=$1 name=$2 folder
  shift 2
  program "$name"
  folder=$(mktemp -d "$WORK/run.XXXXXX")
  (cd "$folder" && env "${ENVIRONMENT[@]}" "${PRIORITY[@]}" "$OUT/startup_watch" "$@" "$PROGRAM" "${ARGUMENTS[@]}") |
    awk '{print $2, $3, $2 - $1}' >>"$results"
  rm -rf "$folder"
}

# The main window's size as the display draws it, for the minimal window of
# the same size.
MAIN_WINDOW_SIZE=$(cd "$WORK" && "$OUT/startup_watch" -v "$TAMRISK" 2>&1 >/dev/null |
  awk '/ damage / { split($4, size, "+"); last = size[1] } END { print last }')
if [ -z "$MAIN_WINDOW_SIZE" ]; then
  echo "startup.sh: the main window's size could not be read" >&2
  exit 1
fi
if [ "$MODE" = instructions ]; then
  PROFILED=(minimal sized faces tamrisk)
  for name in "${PROFILED[@]}"; do
    measure /dev/null "$name" valgrind --tool=callgrind --callgrind-out-file="$WORK/$name.callgrind"
    callgrind_annotate --inclusive=yes --threshold=100 "$WORK/$name.callgrind" >"$WORK/$name.profile" 2>/dev/null
  done
  # All instructions of the program named $1.
  total() { awk '/PROGRAM TOTALS/ { gsub(/,/, "", $1); print $1 }' "$WORK/$1.profile"; }
  # Inclusive instructions of the first function whose name starts with $2
  # (a C++ name up to its parameters, or a plain name) in the program named $1.
  cost() {
    awk -v name="$2" '
      /^ *[0-9,]+ \(/ {
        f = $0
        sub(/^[^)]*\)[ \t]+/, "", f)      # drop the count and percentage
        sub(/^[^:]*:/, "", f)              # drop the source file
        sub(/ \[[^]]*\]$/, "", f)          # drop the object file
        if (!found && (f == name || index(f, name "(") == 1)) {
          c = $1; gsub(/,/, "", c); print c; found = 1
        }
      }' "$WORK/$1.profile"
  }
  row() {
    local label=$1 function=$2 line name c
    line=$(printf '%-44s' "$label")
    for name in "${PROFILED[@]}"; do
      if [ "$function" = TOTAL ]; then c=$(total "$name"); else c=$(cost "$name" "$function"); fi
      if [ -n "$c" ]; then line+=$(awk -v c="$c" 'BEGIN { printf " %9.2f", c / 1e6 }'); else line+=$(printf ' %9s' -); fi
    done
    echo "$line"
  }
  echo "Instructions from process start to window shown, in millions (callgrind, $DPI dpi)"
  printf '%-44s %9s %9s %9s %9s\n' "" minimal "$MAIN_WINDOW_SIZE" faces Tamrisk
  row "in all" TOTAL
  row "  loading the libraries (before main)" _dl_start
  row "  font configuration read (Tamrisk: ahead)" FcInit
  row "  main" main
  row "    QApplication made (display, plugins)" "QApplication::QApplication"
  row "    font database read (fontconfig)" "QFontDatabasePrivate::ensureFontDatabase"
  row "    faces loaded (font engines)" "QFontDatabasePrivate::loadEngine"
  row "    faces looked up under all their names" "tamrisk::(anonymous namespace)::ListedName"
  row "    main window made" "tamrisk::MainWindow::MainWindow"
  row "      captions fitted" "tamrisk::FitCaptions"
  row "      lists filled" "tamrisk::MainWindow::PopulateLists"
  row "    window painted" "QWidgetRepaintManager::paintAndFlush"
  awk -v m="$(total minimal)" -v f="$(total faces)" -v t="$(total tamrisk)" 'BEGIN {
    printf "ratios of the instructions in all: Tamrisk / minimal %.2f, faces / minimal %.2f, Tamrisk / faces %.2f\n", t / m, f / m, t / f }'
  exit 0
fi
for _ in 1 2; do
  for name in "${NAMES[@]}"; do measure "$WORK/warmup" "$name"; done
done
for i in $(seq "$RUNS"); do
  for k in "${!NAMES[@]}"; do
    p=$(((i + k) % ${#NAMES[@]}))
    measure "$WORK/${NAMES[$p]}" "${NAMES[$p]}"
  done
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
printf '%-16s %26s   %26s   %9s\n' "" "window shown" "processor time" "painting"
printf '%-16s %8s %8s %8s   %8s %8s %8s   %9s\n' "" median lowest p90 median lowest p90 median
# The table's line labelled $1 for the program named $2.
times_row() {
  printf '%-16s %s   %s   %9s\n' "$1" "$(stats "$WORK/$2" 1)" "$(stats "$WORK/$2" 2)" "$(median "$WORK/$2" 3)"
}
times_row "minimal window" minimal
times_row "  $MAIN_WINDOW_SIZE" sized
times_row "faces window" faces
times_row "Tamrisk" tamrisk
times_row "  fonts in turn" in_turn
# Ratio of the medians of column $3 of programs $1 and $2.
ratio() { awk -v a="$(median "$WORK/$1" "$3")" -v b="$(median "$WORK/$2" "$3")" 'BEGIN { printf "%.2f", a / b }'; }
echo "ratios of the medians, window shown (processor time):"
echo "  Tamrisk / minimal $(ratio tamrisk minimal 1) ($(ratio tamrisk minimal 2))," \
  "faces / minimal $(ratio faces minimal 1) ($(ratio faces minimal 2))," \
  "Tamrisk / faces $(ratio tamrisk faces 1) ($(ratio tamrisk faces 2))"
echo "  Tamrisk with the font configuration read in turn / minimal $(ratio in_turn minimal 1) ($(ratio in_turn minimal 2))"
echo "  minimal window at the main window's size / minimal $(ratio sized minimal 1) ($(ratio sized minimal 2))," \
  "Tamrisk / minimal window at its size $(ratio tamrisk sized 1) ($(ratio tamrisk sized 2))"
