#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (no
# recovery: the first error stops the program) and runs every test, the
# window tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR="${SANITIZE_BUILD_DIR:-build-sanitize}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAMRISK_SANITIZE=ON -DTAMRISK_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" --timeout 600
