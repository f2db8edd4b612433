#!/usr/bin/env bash
# Sends random keys, letters and clicks into the editing windows for SECONDS (default 600): the
# monkey test of the form tests, run seed after seed with more events per window than the test
# command gives it. Stops at the first seed that fails and names it; replay one seed with
#   QF_MONKEY_SEED=N QF_MONKEY_EVENTS=M build/bin/MonkeyTest
#   QF_BUILD  the build folder (build)   QF_MONKEY_EVENTS  events per window (5000)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
build="${QF_BUILD:-build}"
cmake --build "$build" --target MonkeyTest >/dev/null
test="$(find "$build" -name MonkeyTest -type f -perm -u+x | head -n 1)"
export QT_QPA_PLATFORM=offscreen QF_MONKEY_EVENTS="${QF_MONKEY_EVENTS:-5000}"
end=$((SECONDS + seconds))
seed=1000
runs=0
while [ "$SECONDS" -lt "$end" ]; do
  seed=$((seed + 1))
  if ! out="$(QF_MONKEY_SEED=$seed "$test" 2>&1)"; then
    printf '%s\n' "$out" | tail -n 30
    echo "monkey: seed $seed failed (after $runs passing seeds)" >&2
    exit 1
  fi
  printf '%s\n' "$out" | grep '^QINFO.*monkey:' | sed 's/^QINFO *: *[^ ]* //' || true
  runs=$((runs + 1))
done
echo "monkey: $runs seeds passed in ${seconds} s"
