#!/usr/bin/env bash
# The page's figures (bench/web_page.mjs): its files' size gzipped, the time
# to the first result in headless chromium, and one calculation in the page
# against the native run.
#   bench/web.sh [rounds] [other site folder]    (default 7 rounds)
# With another site (the page of an earlier revision, built by
# scripts/build-web.sh in its own tree), its visits are measured in turn with
# this page's.
set -euo pipefail
other="${2:+$(realpath "$2")}"
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
WEB_BUILD_DIR="${WEB_BUILD_DIR:-build-web}"
bash scripts/install-deps.sh
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD_DIR" -j "$(nproc)" --target tamrisk_bench >/dev/null
WEB_BUILD_DIR="$WEB_BUILD_DIR" bash scripts/build-web.sh >/dev/null
echo "revision $(git rev-parse --short HEAD)$(git diff --quiet HEAD -- . ':!docs' || echo ' (with changes)'), $(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg)"
node bench/web_page.mjs "$WEB_BUILD_DIR/web/site" "$BUILD_DIR/bench/tamrisk_bench" "${1:-7}" ${other:+"$other"}
