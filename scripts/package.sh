#!/usr/bin/env bash
# Builds the Debian package quernfold_<version>_<arch>.deb with CPack from a built tree (build/,
# or the folder given), then shows its contents and checks it with lintian. The package lands in
# the build folder. Dependencies come from dpkg-shlibdeps; the dictionaries and thesauri are
# recommended.
#   bash scripts/package.sh [BUILD-FOLDER]
# QF_LINTIAN=0 skips lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bash scripts/setup.sh
bash scripts/build.sh "$build"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/quernfold_*.deb | head -1)
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg-deb --contents "$deb"
if [ "${QF_LINTIAN:-1}" != 0 ]; then
  # Errors fail the package; warnings are shown.
  lintian --no-tag-display-limit --fail-on error "$deb"
fi
