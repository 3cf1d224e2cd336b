#!/usr/bin/env bash
# Installs the Debian 12 packages Tamrisk needs to build, run and test,
# generates the Japanese locale the window tests also run under, and
# installs the browser test library from npm (tests/web, by its committed
# lock file).
# Idempotent: when everything is already present it returns at once.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libfontconfig-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # The Japanese collation that the engine's unit order is tested against.
  libicu-dev
  # Decimal texts read and written (header-only, also in the page).
  libfast-float-dev libfmt-dev
  fonts-ipafont-gothic fonts-liberation
  xvfb xauth libxcb-damage0-dev
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev man-db groff-base lintian
  locales
  # The page: the engine compiled to WebAssembly, and the browser and node
  # that test it.
  emscripten chromium nodejs
)
# npm comes with some builds of node that are not Debian's; Debian's own npm
# is only wanted where there is none.
if ! command -v npm >/dev/null; then PACKAGES+=(npm); fi
JAPANESE_LOCALE="ja_JP.UTF-8"

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

has_japanese_locale() {
  locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'
}

generate_japanese_locale() {
  has_japanese_locale && return 0
  echo "Generating the locale $JAPANESE_LOCALE"
  $SUDO sed -i "s/^# *\($JAPANESE_LOCALE UTF-8\)/\1/" /etc/locale.gen
  grep -qx "$JAPANESE_LOCALE UTF-8" /etc/locale.gen ||
    echo "$JAPANESE_LOCALE UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
}

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
generate_japanese_locale

# playwright-core only drives Debian's chromium: no browser is downloaded.
# Installed again whenever the lock file differs from the one installed by.
installed=tests/web/node_modules/.installed-package-lock.json
if ! cmp -s tests/web/package-lock.json "$installed"; then
  echo "Installing the browser test library (npm ci in tests/web)"
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
  cp tests/web/package-lock.json "$installed"
fi
