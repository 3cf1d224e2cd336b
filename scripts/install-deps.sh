#!/usr/bin/env bash
# Installs the Debian 12 packages Tamrisk needs to build, run and test, and
# generates the Japanese locale the window tests also run under.
# Idempotent: when everything is already present it returns at once.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n libfontconfig-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-ipafont-gothic fonts-liberation
  xvfb xauth libxcb-damage0-dev
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev man-db groff-base lintian
  locales
)
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

if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
generate_japanese_locale
