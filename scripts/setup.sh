#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Safe to run again: apt-get only installs what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  libhunspell-dev hunspell-en-us hunspell-en-gb hunspell-es hunspell-it
  hunspell-fr hunspell-de-de hunspell-nl hunspell-sv
  libmythes-dev mythes-en-us mythes-en-au
  libjpeg62-turbo-dev libuemf-dev
  fonts-liberation2 fontconfig
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb x11-utils xauth xdotool imagemagick emf2svg libwmf-bin fonts-urw-base35 poppler-utils
  qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite
  clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db dpkg-dev lintian
  chromium strace
  wordnet-base wordnet-dev
  cups cups-client cups-bsd printer-driver-cups-pdf
  at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0
)
# Node.js runs the checks of the exported puzzles and of the solving page (tests/exchange/js).
command -v npm >/dev/null || PACKAGES+=(nodejs npm)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The npm packages of those checks: readers of the crossword formats made by others, the
# browser driver and the accessibility checker, as package-lock.json pins them.
js="$(dirname "$0")/../tests/exchange/js"
if [ ! -d "$js/node_modules" ] || [ "$js/package-lock.json" -nt "$js/node_modules" ]; then
  (cd "$js" && npm ci --no-audit --no-fund --loglevel=error && touch node_modules)
fi
