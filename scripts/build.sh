#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1, with extra cmake options after it).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
# cmake's configure output is kept out of the way, and shown whole when configuring fails.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
cmake -S . -B "$dir" -G Ninja "$@" >"$log" 2>&1 || { cat "$log" >&2; echo "build: configuring $dir failed" >&2; exit 1; }
cmake --build "$dir" -j "$(nproc)"
