#!/usr/bin/env bash
# Instructions per calculation run, counted by callgrind: repeatable whatever
# else the machine is doing. Counts the difference between 2,000 runs and 1
# run, divided by 1,999. Then the instructions of the whole process
# tamrisk-cli, from its start to its exit, for one calculation and for
# --version (which calculates nothing), and those of tamrisk-cli --batch per
# line of the mixed input of bench/batch_input.sh: 2,000 lines less an empty
# input, divided by 2,000.
#
#   bench/instructions.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${1:-build}"
cmake --build "$BUILD_DIR" --target tamrisk_run_driver tamrisk-cli >/dev/null
driver="$BUILD_DIR/bench/tamrisk_run_driver"
cli="$BUILD_DIR/cli/tamrisk-cli"
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
count() { instructions "$driver" "$@"; }
measure() {
  local name=$1
  shift
  local one many
  one=$(count 1 "$@")
  many=$(count 2000 "$@")
  printf '%-40s %8d instructions per run\n' "$name" $(((many - one) / 1999))
}
measure "10 V and 5 Ω (lines written)" 10 " " V 5 " " Ω " 指定なし"
measure "10 Hz and 5 g (no rule)" 10 " " Hz 5 " " g " 指定なし"
measure "3.3 kΩ (nearest resistor pairs)" 3.3 k Ω "" " " " " " 指定なし"
measure "2 and 3 (plain numbers)" 2 " " " " 3 " " " " " 指定なし"
printf '%-40s %8d instructions\n' "tamrisk-cli 1 m (whole process)" "$(instructions "$cli" 1 m)"
printf '%-40s %8d instructions\n' "tamrisk-cli --version (whole process)" "$(instructions "$cli" --version)"
lines=$(mktemp)
trap 'rm -f "$lines"' EXIT
bash bench/batch_input.sh 2000 >"$lines"
empty=$(instructions "$cli" --batch --this-year 2026 </dev/null)
mixed=$(instructions "$cli" --batch --this-year 2026 <"$lines")
printf '%-40s %8d instructions per line\n' "tamrisk-cli --batch (mixed input)" $(((mixed - empty) / 2000))
