#!/usr/bin/env bash
# Installs the Debian packages the viewer needs to build, run and test; they
# are all it needs (the build reaches no network). Idempotent: packages
# already present are skipped, so a second run is quick.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # Qt 6: widgets, browser, printing, network
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin qt6-webengine-dev-tools
  libqt6opengl6-dev libgl-dev qt6-svg-dev
  # desktop integration and the Debian package: validators and lint
  desktop-file-utils appstream dpkg-dev lintian fakeroot
  # fuzz targets: clang with libFuzzer; the layout check: clang-format
  clang libclang-rt-14-dev clang-format
  # lexicon store and fallback speller; hunspell itself checks the exported
  # Hunspell dictionary in the tests
  libsqlite3-dev sqlite3 libhunspell-dev hunspell-en-us hunspell
  # Liberation Mono, which stands in for Courier New (the bidding font)
  fonts-liberation2
  # the double-dummy solver of the deal tables
  libdds-dev
  # a real HTML parser, for the tests that check commands keep markup whole
  libgumbo-dev
  # headless desktop for the end-to-end tests
  xvfb xauth xdotool imagemagick openbox x11-utils
  fonts-dejavu-core libgl1-mesa-dri
  # word data of the default lexicon (tools/lexicon; the rest is in tools/lexicon/data)
  wamerican wordnet-base scowl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
