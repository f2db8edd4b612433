#!/usr/bin/env bash
# Sets everything up, builds, and starts the program on its sample collection. The program
# works in run/ (its settings file and collections go there); the shipped data stay in build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
mkdir -p run
if [ ! -f run/SAMPLE.QF3 ] && [ -f build/bin/SAMPLE.QF3 ]; then cp build/bin/SAMPLE.QF3 run/; fi
cd run
exec ../build/bin/quernfold "$@"
