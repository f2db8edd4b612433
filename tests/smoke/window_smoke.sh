#!/usr/bin/env bash
# The real program in a virtual X server, used as a person uses it: in a folder holding the
# sample collection it shows "Quernfold 98 (SAMPLE)"; a click picks a category and another a
# puzzle; Delete then asks about that puzzle (a "Delete" question, not the "Error" of no
# selection) and is answered No; the Exit command (Ctrl+X) ends it, and the settings file is
# written with the open collection. The collection is unchanged afterwards.
# Usage: window_smoke.sh PATH/TO/quernfold SAMPLE.QF3 [SCREENSHOT-FOLDER]
set -euo pipefail
program="$1"
sample="$2"
shots="${3:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sample" "$work/SAMPLE.QF3"
printf '[Misc]\nShow Tips=No\n' > "$work/QFOLD3.INI"

cat > "$work/inner.sh" <<INNER
set -eu
cd "$work"
QT_QPA_PLATFORM=xcb "$program" & pid=\$!
find_window() {  # the id of a visible window titled exactly \$1, waiting up to 10 s
  for i in \$(seq 1 100); do
    id=\$(xdotool search --onlyvisible --name "^\$1\\\$" 2>/dev/null | head -1) && [ -n "\$id" ] && { echo "\$id"; return 0; }
    kill -0 \$pid 2>/dev/null || { echo "the program ended before showing '\$1'" >&2; exit 1; }
    sleep 0.1
  done
  echo "no window titled '\$1'" >&2; xwininfo -root -tree >&2; kill \$pid; exit 1
}
shot() { if [ -n "$shots" ]; then import -window root "$shots/\$1.png"; fi; }
main=\$(find_window 'Quernfold 98 \\(SAMPLE\\)')
sleep 0.5
eval "\$(xdotool getwindowgeometry --shell "\$main")"
# The client area (632 x 413 at the smallest scale) fills the window below its menu bar.
top=\$((HEIGHT - 413))
xdotool mousemove --window "\$main" 60 \$((top + 78 + 28)) click 1      # the second category
sleep 0.3
xdotool mousemove --window "\$main" 300 \$((top + 78 + 9)) click 1      # its first puzzle
sleep 0.3
shot selected
xdotool windowfocus --sync "\$main" key ctrl+d
question=\$(find_window 'Delete')
shot question
xdotool windowfocus --sync "\$question" key n
sleep 0.3
xdotool windowfocus --sync "\$main" key ctrl+x
for i in \$(seq 1 100); do kill -0 \$pid 2>/dev/null || break; sleep 0.1; done
if kill -0 \$pid 2>/dev/null; then echo "Exit did not end the program"; kill \$pid; exit 1; fi
wait \$pid
INNER
before=$(md5sum < "$work/SAMPLE.QF3")
bash "$(dirname "$0")/../../scripts/in_xvfb.sh" -s "-screen 0 1024x768x24" bash "$work/inner.sh"

grep -q '^Last Group=.*/SAMPLE.QF3$' "$work/QFOLD3.INI" || { echo "settings not written on exit"; exit 1; }
grep -q '^\[Button Font\]$' "$work/QFOLD3.INI"
[ "$(md5sum < "$work/SAMPLE.QF3")" = "$before" ] || { echo "answering No changed the collection"; exit 1; }
echo "main window found, a puzzle selected and asked about, Exit wrote the settings"
