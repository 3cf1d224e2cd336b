#!/usr/bin/env bash
# Installs what is missing, builds Tamrisk and starts it. The program keeps
# its settings (tamrisk.ini) and reads its help (readme.txt) in the folder it
# is started from: the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD_DIR" -j "$(nproc)" --target tamrisk
cd "$BUILD_DIR"
exec ./app/tamrisk "$@"
