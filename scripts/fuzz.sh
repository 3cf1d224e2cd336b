#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 20).
#
#   scripts/fuzz.sh            # about 20 s per target, as CI does
#   scripts/fuzz.sh 3600       # an hour per target
#   scripts/fuzz.sh 600 calculation numbers   # only these targets
#
# New inputs go to build-fuzz/corpus/<target>/ (the seeds in fuzz/corpus/ are
# only read); an input that breaks a property is written to
# build-fuzz/crashes/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
SECONDS_EACH="${1:-20}"
shift || true
BUILD_DIR="${FUZZ_BUILD_DIR:-build-fuzz}"
TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
  TARGETS=(calculation batch_line numbers settings help_text formula_search)
fi

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTAMRISK_FUZZ=ON \
  -DTAMRISK_BUILD_TESTS=OFF -DTAMRISK_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target fuzz_targets

mkdir -p "$BUILD_DIR/crashes"
for target in "${TARGETS[@]}"; do
  corpus="$BUILD_DIR/corpus/$target"
  mkdir -p "$corpus"
  log="$BUILD_DIR/fuzz-$target.log"
  echo "== $target: $SECONDS_EACH s"
  status=0
  "$BUILD_DIR/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$BUILD_DIR/crashes/$target-" \
    "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  echo "   ${runs:-?} inputs"
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz target $target failed; the input is in $BUILD_DIR/crashes/" >&2
    exit 1
  fi
done
