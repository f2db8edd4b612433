#!/usr/bin/env bash
# Sets everything up and runs every test: the full build, and its tree installed into a temporary
# folder and checked (scripts/install_check.sh), and printing onto a real print queue
# (scripts/print_check.sh); then the core and the tool, with the
# tool's tests, built again with AddressSanitizer and UndefinedBehaviorSanitizer (the windows
# left out); then every fuzz target for a short while (scripts/fuzz.sh runs them for longer).
# The build folders are build/, build-asan/ and build-fuzz/ unless QF_BUILD, QF_BUILD_ASAN and
# QF_FUZZ_BUILD name others.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
build="${QF_BUILD:-build}"
asan="${QF_BUILD_ASAN:-build-asan}"

bash scripts/build.sh "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600
bash scripts/install_check.sh "$build"
bash scripts/print_check.sh "$build"

bash scripts/build.sh "$asan" -DQF_SANITIZE=ON -DQF_CORE_ONLY=OFF -DQF_WINDOWS=OFF -DQF_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$asan" --output-on-failure -j "$(nproc)" -L 'core|tool' --timeout 900

QF_FUZZ_DATA="$build/bin" bash scripts/fuzz.sh 15
