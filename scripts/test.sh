#!/usr/bin/env bash
# Sets everything up and runs every test: the full build, then the core tests again built
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 600

bash scripts/build.sh build-asan -DQF_SANITIZE=ON -DQF_CORE_ONLY=ON -DQF_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -L core --timeout 900
