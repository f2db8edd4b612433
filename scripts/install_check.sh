#!/usr/bin/env bash
# Installs a built tree into a temporary DESTDIR (prefix /usr) and checks it as a packager and a
# user would: the files are where a Linux desktop expects them, the desktop entry and the
# metainfo validate, the manual pages render and name every command, the file types are known
# once installed, the completion completes, and the installed tool, with no variable pointing at
# the build, finds its data and draws a sample puzzle. Then, with the installed tree read-only,
# users with fresh homes add shapes, layouts, words and puzzles, convert the earlier version's
# files and set the default layout, all into their own XDG folders, while a second user still
# sees the shipped libraries; and (in a virtual X server) the installed program's first start converts
# old puzzles and opens the sample copied into ~/Documents/Quernfold.
# Usage: install_check.sh [BUILD-FOLDER]     (build by default; it must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
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
mkdir -p "$work" "$tmp/cli-home"
# A home of its own, so that the check leaves the real one alone.
cli() { (cd "$work" && env -u QUERNFOLD_PROGRAM_DIR -u QF_CLI -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$tmp/cli-home" \
         "$usr/bin/quernfold-cli" "$@"); }
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

# As users use it: the installed tree read-only, each user with a fresh HOME of their own and
# nothing pointing at the build. Root could write anywhere, so under root (as in CI) the steps
# run as two unprivileged users made for the check.
before=$(cd "$root" && find . -type f -exec md5sum {} + | sort)
chmod -R a-w "$root"
chmod 755 "$tmp"
if [ "$(id -u)" = 0 ]; then
  for u in quernfold-check1 quernfold-check2; do
    id -u "$u" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$u"
  done
  users=(quernfold-check1 quernfold-check2)
else
  users=("$(id -un)" "$(id -un)")
fi
# as USER HOME COMMAND...: run in HOME as a desktop menu starts it, in a clean environment.
as() {
  local user="$1" home="$2"; shift 2
  local run=(env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 ${DISPLAY:+DISPLAY="$DISPLAY"} "$@")
  if [ "$(id -u)" = 0 ]; then (cd "$home" && runuser -u "$user" -- "${run[@]}"); else (cd "$home" && "${run[@]}"); fi
}
newhome() {  # a fresh HOME and a scratch folder outside it, owned by USER
  mkdir -p "$tmp/$2" "$tmp/scratch-$2"
  [ "$(id -u)" = 0 ] && chown "$1" "$tmp/$2" "$tmp/scratch-$2"
  return 0
}
ucli() { local u="$1" h="$2"; shift 2; as "$u" "$tmp/$h" "$usr/bin/quernfold-cli" "$@"; }

u1="${users[0]}"; h1=home1; s1="$tmp/scratch-home1"
newhome "$u1" "$h1"
home1="$tmp/$h1"
shipped_shapes=$(cli shapes list)
shipped_layouts=$(cli layouts list)
ucli "$u1" "$h1" paths > "$s1/paths" || fail "paths"
grep -qx "Shapes library: $home1/.local/share/quernfold/QFFLAY.DAT" "$s1/paths" || fail "paths: $(cat "$s1/paths")"
grep -qx "Settings: $home1/.config/quernfold/QFOLD3.INI" "$s1/paths" || fail "paths: $(cat "$s1/paths")"
grep -qx "Collections: $home1/Documents/Quernfold" "$s1/paths" || fail "paths: $(cat "$s1/paths")"
# A shape, a layout, a layout taken from a puzzle, a word, the default layout.
ucli "$u1" "$h1" shapes export 0 "$s1/one.LAY" >/dev/null || fail "shapes export as a user"
ucli "$u1" "$h1" shapes import "$s1/one.LAY" >/dev/null || fail "a user cannot add a shape"
ucli "$u1" "$h1" layouts export 0 "$s1/one.PAG" >/dev/null || fail "layouts export as a user"
ucli "$u1" "$h1" layouts import "$s1/one.PAG" >/dev/null || fail "a user cannot add a layout"
ucli "$u1" "$h1" layouts extract "$data/SAMPLE.QF3" 0 >/dev/null || fail "a user cannot extract a layout"
ucli "$u1" "$h1" dictionary include add QUERNFOLDISH >/dev/null || fail "a user cannot add a dictionary word"
ucli "$u1" "$h1" layouts set-default 1 || fail "a user cannot set the default layout"
# Files of the earlier version: a puzzles file of one (empty) record and a shapes file.
head -c 30347 /dev/zero > "$s1/QFFUPUZZ.DAT"
tail -c 2555 "$s1/one.LAY" > "$s1/QFFULAY.DAT"
converted=$(ucli "$u1" "$h1" convert-old "$s1/QFFUPUZZ.DAT") || fail "a user cannot convert old puzzles"
[ "$converted" = "A new puzzle group named \"$home1/Documents/Quernfold/OLDPUZZ.QF3\" has been created." ] ||
  fail "convert-old said: $converted"
ucli "$u1" "$h1" convert-old "$s1/QFFULAY.DAT" >/dev/null || fail "a user cannot convert old shapes"
# A puzzle made and saved.
printf 'CAT:A pet that purrs\nDOG:A pet that barks\nCOW:It gives milk\nOWL:It hoots at night\nEMU:A big bird\n' > "$s1/words.txt"
ucli "$u1" "$h1" --yes generate --words "$s1/words.txt" --shape 0 --collection "$home1/Documents/Quernfold/Class.QF3" \
  --title Pets --attempts 20 --seed 7 >/dev/null || fail "a user cannot make and save a puzzle"
[ "$(ucli "$u1" "$h1" list "$home1/Documents/Quernfold/Class.QF3" | grep -c Pets)" = 1 ] || fail "the saved puzzle"
for f in .local/share/quernfold/QFFLAY.DAT .local/share/quernfold/QFFPAGE.DAT .local/share/quernfold/IncEngl.tlx \
         .config/quernfold/QFOLD3.INI Documents/Quernfold/OLDPUZZ.QF3 Documents/Quernfold/Class.QF3; do
  [ -s "$home1/$f" ] || fail "$f was not made"
done
grep -qx 'Default Page=1' "$home1/.config/quernfold/QFOLD3.INI" || fail "the default layout was not kept"
[ "$(ucli "$u1" "$h1" shapes list | wc -l)" = $(( $(wc -l <<<"$shipped_shapes") + 2 )) ] || fail "the shapes added"
[ "$(ucli "$u1" "$h1" layouts list | wc -l)" = $(( $(wc -l <<<"$shipped_layouts") + 2 )) ] || fail "the layouts added"

# A damaged library is told and put back from the shipped copy; the damaged one is kept.
cp "$home1/.local/share/quernfold/QFFPAGE.DAT" "$s1/layouts.bak"
as "$u1" "$home1" sh -c 'printf x >> .local/share/quernfold/QFFPAGE.DAT'
ucli "$u1" "$h1" layouts list 2>"$s1/damaged" >/dev/null || true
grep -q "is damaged" "$s1/damaged" || fail "a damaged library was not reported"
ucli "$u1" "$h1" reset-library layouts >/dev/null 2>&1 || fail "reset-library"
cmp -s "$home1/.local/share/quernfold/QFFPAGE.DAT" "$data/QFFPAGE.DAT" || fail "the reset library is not the shipped one"
[ -s "$home1/.local/share/quernfold/QFFPAGE.DAT.old" ] || fail "the damaged library was not kept"
as "$u1" "$home1" cp "$s1/layouts.bak" .local/share/quernfold/QFFPAGE.DAT

# A second user sees the shipped libraries, not the first one's.
u2="${users[1]}"; h2=home2
newhome "$u2" "$h2"
# A first copy killed half way leaves only its temporary file, which is never read.
as "$u2" "$tmp/$h2" sh -c 'mkdir -p .local/share/quernfold && head -c 100 /dev/zero > .local/share/quernfold/.QFFLAY.DAT.x1Y2z3'
[ "$(ucli "$u2" "$h2" shapes list)" = "$shipped_shapes" ] || fail "the second user sees other shapes"
[ "$(ucli "$u2" "$h2" layouts list)" = "$shipped_layouts" ] || fail "the second user sees other layouts"
[ -z "$(ucli "$u2" "$h2" dictionary include list)" ] || fail "the second user sees the first one's words"

# The installed desktop program in a virtual X server, started the first time from the menu
# (in HOME) with an earlier version's puzzles in the collections folder: it converts them,
# opens the sample collection copied for it, and keeps its settings in the config folder.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  u3="${users[1]}"; h3=home3
  newhome "$u3" "$h3"
  home3="$tmp/$h3"
  as "$u3" "$home3" sh -c "mkdir -p Documents/Quernfold .runtime && chmod 700 .runtime && head -c 30347 /dev/zero > Documents/Quernfold/QFFUPUZZ.DAT"
  cat > "$tmp/desktop.sh" <<INNER
set -eu
find_window() {  # a visible window titled exactly \$1, waiting up to \${2:-10} s
  for i in \$(seq 1 \$(( \${2:-10} * 10 ))); do
    id=\$(xdotool search --onlyvisible --name "^\$1\\\$" 2>/dev/null | head -1) && [ -n "\$id" ] && { echo "\$id"; return 0; }
    sleep 0.1
  done
  echo "no window titled '\$1'" >&2; return 1
}
XDG_RUNTIME_DIR="$home3/.runtime" QT_QPA_PLATFORM=xcb "$usr/bin/quernfold" & pid=\$!
trap 'kill \$pid 2>/dev/null || true' EXIT
xdotool windowfocus --sync "\$(find_window Notice)" key y
xdotool windowfocus --sync "\$(find_window Ok)" key Return
close() {  # the tip of the day when it shows, then Exit
  if tip=\$(find_window 'Tip of the Day' 3 2>/dev/null); then xdotool windowfocus --sync "\$tip" key Escape; fi
  xdotool windowfocus --sync "\$1" key ctrl+x
  wait \$pid
}
close "\$(find_window 'Quernfold 98 \\(SAMPLE\\)')"
# Started again on a collection named on its command line, as a double click does.
XDG_RUNTIME_DIR="$home3/.runtime" QT_QPA_PLATFORM=xcb "$usr/bin/quernfold" "$work/Class.QF3" & pid=\$!
close "\$(find_window 'Quernfold 98 \\(Class\\)')"
INNER
  cp scripts/in_xvfb.sh "$tmp/in_xvfb.sh"
  chmod 644 "$tmp/desktop.sh" "$tmp/in_xvfb.sh"
  as "$u3" "$home3" bash "$tmp/in_xvfb.sh" bash "$tmp/desktop.sh" || fail "the installed program"
  grep -qx "Last Group=$work/Class.QF3" "$home3/.config/quernfold/QFOLD3.INI" ||
    fail "the settings were not kept in the config folder"
  grep -qx "Last File 1=$home3/Documents/Quernfold/SAMPLE.QF3" "$home3/.config/quernfold/QFOLD3.INI" ||
    fail "the first start did not open the sample in the collections folder"
  cmp -s "$home3/Documents/Quernfold/SAMPLE.QF3" "$data/SAMPLE.QF3" || fail "the sample was not copied"
  [ -s "$home3/Documents/Quernfold/OLDPUZZ.QF3" ] || fail "the program did not convert the old puzzles"
  [ ! -e "$home3/Documents/Quernfold/QFFUPUZZ.DAT" ] || fail "the converted old file stayed"
fi

# Nothing was written into the installed tree, and nothing loose in any HOME.
after=$(cd "$root" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || fail "the installed tree changed: $(diff <(echo "$before") <(echo "$after"))"
for h in "$tmp"/home*; do
  [ -d "$h" ] || continue
  loose=$(cd "$h" && find . -mindepth 1 -maxdepth 1 ! -name .local ! -name .config ! -name .cache ! -name Documents ! -name .runtime)
  [ -z "$loose" ] || fail "written loose in $h: $loose"
  stray=$(cd "$h" && find .local .config Documents -type f 2>/dev/null | grep -v -E '^(\./)?(\.local/share/quernfold|\.config/quernfold|Documents/Quernfold)/' || true)
  [ -z "$stray" ] || fail "written outside the program's folders in $h: $stray"
done
echo "install check: passed"
