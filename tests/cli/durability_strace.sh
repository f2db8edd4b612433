#!/usr/bin/env bash
# The tool's writes reach the disk in an order a power cut cannot tear, as strace sees them:
#  - adding puzzles: the rollback record is synced (and its folder) before the collection is
#    touched, the collection is synced, then the record is removed and the folder synced;
#  - deleting a puzzle: the new file is synced, renamed over the old one, and the folder synced.
# Prints the traced lines. Usage: durability_strace.sh QUERNFOLD-CLI SAMPLE.QF3
set -euo pipefail
cli="$(realpath "$1")"
sample="$(realpath "$2")"
command -v strace >/dev/null || { echo "strace is not installed (scripts/setup.sh installs it)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sample" "$work/C.QF3"
cp "$sample" "$work/OTHER.QF3"
cd "$work"
trace() {
  strace -f -y -qq -e trace=fsync,fdatasync,rename,renameat2,unlink,unlinkat -o "$work/trace.txt" "$cli" "$@" >/dev/null
  # Only the calls on the collection and its folder (not the tool's own start-up).
  grep -E "C\.QF3|$work>" "$work/trace.txt" | sed -e "s|$work|DIR|g" -e 's/^[0-9]* *//'
}
fail=0
expect_order() {  # the lines of $1 match the patterns that follow, in this order
  local lines="$1"; shift
  local at=0 n
  for pattern in "$@"; do
    n=$(echo "$lines" | tail -n +$((at + 1)) | grep -n -m1 -E "$pattern" | cut -d: -f1 || true)
    if [ -z "$n" ]; then echo "FAIL: no '$pattern' after line $at"; fail=1; return; fi
    at=$((at + n))
  done
}

echo "== copy OTHER.QF3 0,1 --into C.QF3"
lines=$(trace copy OTHER.QF3 0,1 --into C.QF3)
echo "$lines"
expect_order "$lines" 'f(data)?sync\(.*\.C\.QF3\.~undo>' 'fsync\(.*<DIR>' 'fsync\(.*<DIR/C\.QF3>' \
  'unlink.*\.C\.QF3\.~undo' 'fsync\(.*<DIR>'

echo "== delete C.QF3 0"
lines=$(trace delete C.QF3 0)
echo "$lines"
expect_order "$lines" 'fsync\(.*\.C\.QF3\.~[0-9]+_' 'rename.*\.C\.QF3\.~[0-9]+_.*C\.QF3"' 'fsync\(.*<DIR>'

[ "$fail" -eq 0 ] && echo "durability: syncs in order"
exit "$fail"
