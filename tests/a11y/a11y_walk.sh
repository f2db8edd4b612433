#!/usr/bin/env bash
# The program as a screen reader sees it: a virtual X server and a session D-Bus around
# a11y_walk.py, which starts the AT-SPI bus and walks the windows (see its header).
# Usage: a11y_walk.sh PATH/TO/quernfold SAMPLE.QF3
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (bash scripts/setup.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
# The server picks a free display itself and writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for i in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAILED: the virtual X server did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
# A program that never reached the bus (status 3) is started once more, in a fresh session: on a
# loaded machine its registration is sometimes lost; a control without a name is never retried.
for attempt in 1 2; do
  rm -rf "$work/run"; mkdir "$work/run"
  status=0
  DISPLAY="$DISPLAY" dbus-run-session -- /usr/bin/python3 "$here/a11y_walk.py" "$1" "$2" "$work/run" || status=$?
  [ "$status" -eq 3 ] && [ "$attempt" -eq 1 ] && { echo "trying once more"; continue; }
  exit "$status"
done
