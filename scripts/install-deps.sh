#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quorvel need.
# Idempotent: when everything is present already it returns at once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-webengine-dev qt6-svg-dev libqt6svg6 libgl-dev libvulkan-dev
  libqt6webenginecore6-bin
  # The Spanish window: lrelease and its CMake functions, and Qt's own Spanish texts.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  xvfb xauth fonts-dejavu-core fonts-liberation
)
if [ "${QUORVEL_TEST_DEPS:-0}" = 1 ]; then
  # The sanitizer and fuzz builds, the German locale of the number tests, and a compiler cache
  # that keeps the test builds' objects outside the clone for the next run.
  packages+=(clang libclang-rt-14-dev locales ccache)
  # The package check: build the .deb, validate its desktop entry and metainfo, watch the
  # installed program's windows.
  packages+=(dpkg-dev file appstream desktop-file-utils xdotool x11-utils)
  # The report export: the saved PDF's text and pictures are read back with poppler's tools.
  packages+=(poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
ensure_test_locale() {
  # The tests show that a German locale (decimal comma) changes no number.
  [ "${QUORVEL_TEST_DEPS:-0}" = 1 ] || return 0
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
}

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -eq 0 ]; then
  ensure_test_locale
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
ensure_test_locale
