#!/usr/bin/env bash
# Runs every fuzz target (fuzz/targets.txt) for SECONDS each (default 300), two at a time on two
# cores: the targets are built with clang into build-fuzz/, seeded from the shipped data of a
# built program directory (build/bin), and keep what they find interesting in
# build-fuzz/corpus/ from one run to the next. A crash, a leak, undefined behaviour or a broken
# promise of a reader stops its target; its input is left in build-fuzz/findings/ and the script
# fails. Prints, for each target, the inputs run and the coverage reached.
#   QF_FUZZ_BUILD  build folder (build-fuzz)   QF_FUZZ_DATA  program directory (build/bin)
#   QF_FUZZ_JOBS   targets run at once (the number of processors)
#   QF_FUZZ_ONLY   the targets to run, separated by blanks (all of them)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
build="${QF_FUZZ_BUILD:-build-fuzz}"
data="${QF_FUZZ_DATA:-build/bin}"
jobs="${QF_FUZZ_JOBS:-$(nproc)}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed (scripts/setup.sh installs it); the fuzz targets cannot run" >&2
  exit 1
fi
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S fuzz -B "$build" -G Ninja >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log" >&2; exit 1; }
cmake --build "$build" -j "$(nproc)"

rm -rf "$build/seeds" "$build/logs"
mkdir -p "$build/seeds" "$build/logs" "$build/findings" "$build/corpus"
"$build/qf-fuzz-seeds" "$data" "$build/seeds"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

run() {
  local name="$1" maxlen="$2"
  mkdir -p "$build/corpus/$name"
  "$build/$name" -max_total_time="$seconds" -max_len="$maxlen" -timeout=30 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
    "$build/corpus/$name" "$build/seeds/$name" >"$build/logs/$name.log" 2>&1
}

pids=()
names=()
while read -r name maxlen; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  [[ -n "${QF_FUZZ_ONLY:-}" && " $QF_FUZZ_ONLY " != *" $name "* ]] && continue
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run "$name" "$maxlen" &
  pids+=("$!")
  names+=("$name")
done <"$build/targets.txt"

failed=0
printf '%-20s %12s %8s %8s %8s  %s\n' target inputs cov ft corpus result
for i in "${!pids[@]}"; do
  name="${names[$i]}"
  log="$build/logs/$name.log"
  result=ok
  wait "${pids[$i]}" || { result="FINDING (see $log)"; failed=1; }
  # An input that took over ten seconds is no crash, but a page or a file that slow is a fault too.
  slow=$(find "$build/findings" -name "$name-slow-unit-*" -newer "$build/seeds" | wc -l)
  [ "$slow" -gt 0 ] && result="$result, $slow slow inputs in $build/findings"

  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  printf '%-20s %12s %8s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "${corp:-?}" "$result"
done
if [ "$failed" -ne 0 ]; then
  for name in "${names[@]}"; do
    grep -q -E 'ERROR|SUMMARY|deadly signal' "$build/logs/$name.log" && tail -40 "$build/logs/$name.log"
  done
  exit 1
fi
