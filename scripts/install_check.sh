#!/usr/bin/env bash
# Installs a built tree into a temporary DESTDIR (prefix /usr) and checks it as a packager and a
# user would: the files are where a Linux desktop expects them, the desktop entry and the
# metainfo validate, the manual pages render and name every command, the file types are known
# once installed, the completion completes, and the installed tool, with no variable pointing at
# the build, finds its data and draws a sample puzzle. With a display server at hand (xvfb-run)
# the installed program also opens a collection named on its command line, and keeps its files
# in the documents folder when started where it cannot write.
# Usage: install_check.sh [BUILD-FOLDER]     (build by default; it must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root="$tmp/root"
fail() { echo "install check: $*" >&2; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
data="$usr/share/quernfold"

# The tree.
for f in bin/quernfold bin/quernfold-cli \
         share/quernfold/QFFLAY.DAT share/quernfold/QFFPAGE.DAT share/quernfold/SAMPLE.QF3 \
         share/quernfold/QFOLD.HLP share/quernfold/QFOLD.QCH share/quernfold/QFOLD.PDF share/quernfold/QFOLD.DOC \
         share/applications/quernfold.desktop share/mime/packages/quernfold.xml \
         share/metainfo/org.quernfold.Quernfold.metainfo.xml \
         share/icons/hicolor/scalable/apps/quernfold.svg share/icons/hicolor/48x48/apps/quernfold.png \
         share/icons/hicolor/256x256/apps/quernfold.png \
         share/man/man1/quernfold.1.gz share/man/man1/quernfold-cli.1.gz \
         share/bash-completion/completions/quernfold-cli \
         share/doc/quernfold/copyright share/doc/quernfold/changelog.Debian.gz; do
  [ -s "$usr/$f" ] || fail "missing $f"
done
[ -x "$usr/bin/quernfold-cli" ] || fail "quernfold-cli is not executable"
ls "$data"/ssce*1.clx >/dev/null 2>&1 || fail "no lexicon files installed"
if ls "$data"/Inc*.tlx "$data"/Exc*.tlx >/dev/null 2>&1; then fail "a user word list was installed"; fi
unexpected=$(cd "$usr" && find . -type f | grep -v -E '^\./(bin/quernfold(-cli)?|share/(quernfold|applications|mime/packages|metainfo|icons/hicolor|man/man1|bash-completion/completions|doc/quernfold)/.*)$' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

desktop-file-validate --no-hints "$usr/share/applications/quernfold.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.quernfold.Quernfold.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$usr/share/metainfo/org.quernfold.Quernfold.metainfo.xml"

# The installed tool, from a folder of its own, with nothing pointing at the build.
work="$tmp/work"
mkdir -p "$work"
cli() { (cd "$work" && env -u QUERNFOLD_PROGRAM_DIR -u QF_CLI "$usr/bin/quernfold-cli" "$@"); }
cli --version | grep -q '^quernfold-cli ' || fail "--version"
shapes=$(cli shapes list) || fail "shapes list"
[ -n "$shapes" ] || fail "the installed shapes library is empty"
cli list "$data/SAMPLE.QF3" >/dev/null || fail "list SAMPLE.QF3"
cli render "$data/SAMPLE.QF3" 0 --out sample.png --width 400 >/dev/null || fail "render"
[ "$(head -c 4 "$work/sample.png" | tail -c 3)" = PNG ] || fail "the rendered page is not a PNG"
cli layouts export 0 "$work/first.PAG" >/dev/null || fail "layouts export"

# The manual pages render and name every command of the tool.
manual=$(MANWIDTH=100 man -l "$usr/share/man/man1/quernfold-cli.1.gz")
man -l "$usr/share/man/man1/quernfold.1.gz" | grep -q 'quernfold-cli' || fail "quernfold(1)"
for page in quernfold quernfold-cli; do
  warnings=$(MANWIDTH=100 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $page.1: $warnings"
done
for command in $(cli --help | sed -n '/^commands:/,/^$/p' | awk 'NF > 1 {print $1}'); do
  grep -q "^   $command\$" <<<"$manual" || fail "the manual page lacks the command $command"
done

# The file types, installed into an XDG data folder of their own.
xdg="$tmp/xdg"
mkdir -p "$xdg/mime/packages"
cp "$usr/share/mime/packages/quernfold.xml" "$xdg/mime/packages/"
XDG_DATA_HOME="$xdg" update-mime-database "$xdg/mime"
cp "$data/SAMPLE.QF3" "$work/Class.QF3"
cp "$work/first.PAG" "$work/first-layout"   # no extension: known by its first bytes
mime() { XDG_DATA_HOME="$xdg" XDG_DATA_DIRS="$xdg:/usr/share" xdg-mime query filetype "$1"; }
[ "$(mime "$work/Class.QF3")" = application/x-quernfold-collection ] || fail ".QF3 is $(mime "$work/Class.QF3")"
[ "$(mime "$work/first.PAG")" = application/x-quernfold-page-layout ] || fail ".PAG is $(mime "$work/first.PAG")"
[ "$(mime "$work/first-layout")" = application/x-quernfold-page-layout ] || fail "PAG1.0 is $(mime "$work/first-layout")"

# The completion.
completed=$(bash -c 'source "$1"; COMP_WORDS=(quernfold-cli --yes ren); COMP_CWORD=2; _quernfold_cli; echo "${COMPREPLY[*]}"
                     COMP_WORDS=(quernfold-cli shapes ex); COMP_CWORD=2; _quernfold_cli; echo "${COMPREPLY[*]}"' \
            _ "$usr/share/bash-completion/completions/quernfold-cli")
[ "$completed" = $'render\nexport' ] || fail "completion gave: $completed"

# The installed desktop program in a virtual X server.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
  home="$tmp/home"
  mkdir -p "$home/Documents" "$tmp/runtime"
  chmod 700 "$tmp/runtime"
  printf '[Misc]\nShow Tips=No\n' > "$home/Documents/QFOLD3.INI"
  cat > "$tmp/desktop.sh" <<INNER
set -eu
# Started in a folder it cannot write in, given a collection from elsewhere.
cd /proc
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=xcb env -u QUERNFOLD_PROGRAM_DIR "$usr/bin/quernfold" "$work/Class.QF3" & pid=\$!
for i in \$(seq 1 100); do
  id=\$(xdotool search --onlyvisible --name '^Quernfold 98 \\(Class\\)\$' 2>/dev/null | head -1) && [ -n "\$id" ] && break
  sleep 0.1
done
[ -n "\${id:-}" ] || { echo "no window opened on Class.QF3" >&2; kill \$pid; exit 1; }
xdotool windowfocus --sync "\$id" key ctrl+x
wait \$pid
INNER
  xvfb-run -a bash "$tmp/desktop.sh" || fail "the installed program"
  grep -q "^Last Group=$work/Class.QF3" "$home/Documents/QFOLD3.INI" ||
    fail "the settings were not kept in the documents folder"
fi
echo "install check: passed"
