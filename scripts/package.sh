#!/usr/bin/env bash
# Builds the Debian package quernfold_<version>_<arch>.deb with CPack from a built tree (build/,
# or the folder given), then shows its contents and checks it with lintian. The package lands in
# the build folder. Dependencies come from dpkg-shlibdeps; the dictionaries and thesauri are
# recommended.
#   bash scripts/package.sh [--chroot] [BUILD-FOLDER]
# --chroot also installs the package into a fresh minimal Debian chroot (mmdebstrap, needs root
# and the Debian mirror) with dpkg -i and apt-get -f install, and runs the installed tool there,
# as root and as an ordinary user who makes a shape and a puzzle.
# QF_LINTIAN=0 skips lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
chroot_check=0
if [ "${1:-}" = --chroot ]; then chroot_check=1; shift; fi
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
  lintian --tag-display-limit 0 --fail-on error "$deb"
fi

if [ "$chroot_check" = 1 ]; then
  command -v mmdebstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  root=$(mktemp -d)
  trap 'umount -R "$root/proc" 2>/dev/null || true; rm -rf "$root"' EXIT
  mmdebstrap --variant=apt --quiet "$suite" "$root"
  cp "$deb" "$root/tmp/"
  name=$(basename "$deb")
  mount -t proc proc "$root/proc"
  # dpkg stops on the missing dependencies; apt-get -f install brings them and finishes it.
  chroot "$root" dpkg -i "/tmp/$name" || true
  chroot "$root" apt-get update -qq   # the chroot is made without package lists
  chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq
  chroot "$root" dpkg -s quernfold | grep -q '^Status: install ok installed'
  chroot "$root" sh -c 'cd /tmp && quernfold-cli --version && quernfold-cli shapes list | head -3 &&
                        quernfold-cli render /usr/share/quernfold/SAMPLE.QF3 0 --out /tmp/page.png && test -s /tmp/page.png'
  chroot "$root" sh -c 'ldd /usr/bin/quernfold | grep "not found"' && { echo "package: libraries missing in the chroot" >&2; exit 1; }
  # An ordinary user (no entry in the chroot's passwd is needed) makes a shape and a puzzle,
  # both kept in the user's own folders.
  mkdir -p "$root/tmp/qfhome" "$root/tmp/qfwork"
  chown 1000:1000 "$root/tmp/qfhome" "$root/tmp/qfwork"
  chroot "$root" setpriv --reuid=1000 --regid=1000 --clear-groups env -i HOME=/tmp/qfhome PATH=/usr/bin:/bin sh -ec '
    cd /tmp/qfwork
    mkdir -p "$HOME/Documents/Quernfold"   # where the desktop program keeps collections
    quernfold-cli shapes export 0 one.LAY && quernfold-cli shapes import one.LAY
    printf "CAT:A pet that purrs\nDOG:A pet that barks\nCOW:It gives milk\nOWL:It hoots\n" > words.txt
    quernfold-cli --yes generate --words words.txt --shape 0 --collection "$HOME/Documents/Quernfold/Class.QF3" --attempts 20 --seed 3 >/dev/null
    quernfold-cli list "$HOME/Documents/Quernfold/Class.QF3" | grep -q words
    test -s "$HOME/.local/share/quernfold/QFFLAY.DAT"' || { echo "package: a user could not make a shape and a puzzle" >&2; exit 1; }
  echo "package: installs and runs in a fresh $suite chroot"
fi
