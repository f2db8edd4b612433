#!/usr/bin/env bash
# Runs COMMAND in a virtual X server of its own and returns its status.
# Usage: in_xvfb.sh [-s "SERVER ARGUMENTS"] COMMAND [ARGUMENTS...]
# The server picks its display number itself (-displayfd): it takes only a number whose
# sockets it can really hold. Picking a number from the lock files in /tmp, as xvfb-run -a
# does, is not enough where machines share their abstract socket names: a client then
# reaches another machine's server and is refused.
set -euo pipefail
args="-screen 0 1024x768x24"
if [ "${1:-}" = "-s" ]; then args="$2"; shift 2; fi
[ $# -gt 0 ] || { echo "usage: in_xvfb.sh [-s \"SERVER ARGUMENTS\"] COMMAND [ARGUMENTS...]" >&2; exit 2; }
work=$(mktemp -d)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
# shellcheck disable=SC2086
Xvfb -displayfd 3 $args -nolisten tcp 3>"$work/display" 2>"$work/server.log" &
server=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "the virtual X server did not start" >&2; cat "$work/server.log" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null || { echo "the virtual X server does not answer on $DISPLAY" >&2; exit 1; }
status=0
"$@" || status=$?
exit "$status"
