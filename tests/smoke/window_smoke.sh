#!/usr/bin/env bash
# Starts the real program in a virtual X server on a folder holding a sample collection, finds
# its main window by caption, ends it as a logout would, and checks the settings file it wrote.
# Usage: window_smoke.sh PATH/TO/quernfold [SCREENSHOT.xwd]
set -euo pipefail
program="$1"
shot="${2:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/SAMPLE.QF3"

cat > "$work/inner.sh" <<INNER
set -eu
cd "$work"
QT_QPA_PLATFORM=xcb "$program" & pid=\$!
for i in \$(seq 1 100); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Quernfold 98 (SAMPLE)"'; then found=1; break; fi
  sleep 0.1
done
if [ -z "\${found:-}" ]; then echo "main window not found"; xwininfo -root -tree; kill \$pid; exit 1; fi
if [ -n "$shot" ]; then sleep 1; xwd -root -silent > "$shot"; fi
kill -TERM \$pid
wait \$pid
INNER
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/inner.sh"

grep -q '^Last Group=.*/SAMPLE.QF3$' "$work/QFOLD3.INI" || { echo "settings not written on close"; exit 1; }
grep -q '^\[Button Font\]$' "$work/QFOLD3.INI"
echo "main window found and settings written"
