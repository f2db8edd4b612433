#!/usr/bin/env bash
# The program as a screen reader sees it: a virtual X server and a session D-Bus around
# a11y_walk.py, which starts the AT-SPI bus and walks the windows (see its header).
# Usage: a11y_walk.sh PATH/TO/quernfold SAMPLE.QF3
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (bash scripts/setup.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- /usr/bin/python3 "$here/a11y_walk.py" "$1" "$2" "$work"
