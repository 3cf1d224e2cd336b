#!/usr/bin/env bash
# Installs what is missing, builds Tamrisk and starts it. The program keeps
# its settings (tamrisk.ini) and reads its help (readme.txt) in the folder it
# is started from: the build folder.
#   scripts/run.sh --web [port]   builds the page instead and serves it on
#                                 127.0.0.1 (port 8141 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ "${1:-}" = "--web" ]; then
  WEB_BUILD_DIR="${WEB_BUILD_DIR:-build-web}"
  WEB_BUILD_DIR="$WEB_BUILD_DIR" bash scripts/build-web.sh
  echo "The page is in $WEB_BUILD_DIR/web/site (a static site: copy it to any web server)."
  exec node web/serve.mjs "$WEB_BUILD_DIR/web/site" "${2:-8141}"
fi
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD_DIR" -j "$(nproc)" --target tamrisk
cd "$BUILD_DIR"
exec ./app/tamrisk "$@"
