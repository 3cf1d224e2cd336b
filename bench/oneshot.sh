#!/usr/bin/env bash
# One-shot answers, whole processes from start to exit, beside two other
# unit calculators of Debian asked the same question:
#
#   tamrisk-cli 1 m
#   units -t '1 m' ft
#   qalc -t '1 m to ft'
#
#   bench/oneshot.sh [ROUNDS]        (default 100)
#
# The three commands take turns run by run (bench/spawn_times.c), so that
# all of them see the same machine; the ratios are medians of the per-round
# ratios. Installs units and qalc first when they are missing. BUILD_DIR
# (default build) is the build folder of tamrisk-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS="${1:-100}"
BUILD_DIR="${BUILD_DIR:-build}"

missing=()
command -v units >/dev/null || missing+=(units)
command -v qalc >/dev/null || missing+=(qalc)
if [ ${#missing[@]} -ne 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

cmake --build "$BUILD_DIR" --target tamrisk-cli >/dev/null
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cc -std=c11 -O2 bench/spawn_times.c -o "$OUT/spawn_times"
# qalc keeps its settings under the home folder; an empty one for every run
# of this script, so that all start alike.
export HOME="$OUT"

"$OUT/spawn_times" "$ROUNDS" "$BUILD_DIR/cli/tamrisk-cli" 1 m -- units -t '1 m' ft -- qalc -t '1 m to ft'
