#!/usr/bin/env bash
# Builds the page: the engine compiled to WebAssembly by Debian's emscripten
# and the static site around it, in $WEB_BUILD_DIR/web/site (default
# build-web). That folder can be copied to any web server as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
WEB_BUILD_DIR="${WEB_BUILD_DIR:-build-web}"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! emcmake cmake -S . -B "$WEB_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
cmake --build "$WEB_BUILD_DIR" -j "$(nproc)"
