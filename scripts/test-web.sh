#!/usr/bin/env bash
# Tests the page against the native program:
#  1. exactness: batch lines over the whole catalogue (every pair of list
#     units, filters, prefixes, bad entries; generated with a fixed seed) give
#     the same bytes through `tamrisk-cli --batch` and through the
#     WebAssembly module under node, the page's own wrapper included, and
#     the units that go together as `tamrisk-cli --partners` gives them;
#  2. the page's wrapper of the module under node, where memory runs out:
#     the text refused, the module answering on; the local server
#     (web/serve.mjs): error statuses for files it cannot read, and serving
#     on after them; gzip and validators;
#  3. the page in Debian's headless chromium (tests/web/page.test.mjs): the
#     lines again, calculation, lists, customisation kept over a reload,
#     search, 組合せ候補, keyboard alone, 360 px, offline, no WebAssembly.
# Expects the native build in $BUILD_DIR (scripts/test.sh makes it); builds
# the page with scripts/build-web.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
WEB_BUILD_DIR="${WEB_BUILD_DIR:-build-web}"
SEED="${TAMRISK_SEED:-22}"
YEAR=2026

cmake --build "$BUILD_DIR" -j "$(nproc)" --target tamrisk-cli tamrisk_batch_lines
WEB_BUILD_DIR="$WEB_BUILD_DIR" bash scripts/build-web.sh >/dev/null
SITE="$(pwd)/$WEB_BUILD_DIR/web/site"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$BUILD_DIR/tests/tamrisk_batch_lines" "$SEED" > "$WORK/lines.tsv"
"$BUILD_DIR/cli/tamrisk-cli" --batch --this-year "$YEAR" < "$WORK/lines.tsv" > "$WORK/native.jsonl"

echo "== exactness: native and WebAssembly (node $(node --version)), seed $SEED"
node tests/web/exactness.mjs "$SITE" "$WORK/lines.tsv" "$WORK/native.jsonl" "$YEAR" "$BUILD_DIR/cli/tamrisk-cli"

echo "== the module's wrapper and the local server under node"
TAMRISK_SITE="$SITE" node --test tests/web/engine.test.mjs tests/web/serve.test.mjs

echo "== the page in chromium"
TAMRISK_SITE="$SITE" TAMRISK_CLI="$(pwd)/$BUILD_DIR/cli/tamrisk-cli" \
TAMRISK_LINES="$WORK/lines.tsv" TAMRISK_NATIVE="$WORK/native.jsonl" TAMRISK_YEAR="$YEAR" \
  node --test tests/web/page.test.mjs tests/web/history.test.mjs
