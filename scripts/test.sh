#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the normal build and its tests (engine, formulas, command line, windows);
#   2. the page: native and WebAssembly byte for byte, and the page in headless
#      chromium (scripts/test-web.sh);
#   3. the installation and the Debian package (scripts/check-install.sh);
#   4. the whole test suite again under AddressSanitizer and
#      UndefinedBehaviorSanitizer (scripts/test-sanitized.sh);
#   5. every fuzz target for a short time (scripts/fuzz.sh, FUZZ_SECONDS each,
#      default 20).
# `scripts/test.sh --quick` runs step 1 only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD_DIR" -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
if [ "${1:-}" = "--quick" ]; then exit 0; fi

echo "== the page"
BUILD_DIR="$BUILD_DIR" bash scripts/test-web.sh
echo "== installation and package"
BUILD_DIR="$BUILD_DIR" bash scripts/check-install.sh
echo "== sanitizers"
bash scripts/test-sanitized.sh
echo "== fuzzing"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
