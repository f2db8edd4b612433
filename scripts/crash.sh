#!/usr/bin/env bash
# Kills quernfold-cli with SIGKILL at random instants while it changes a collection or a library,
# and checks that the next run of the tool sees exactly the old file or the new one (compared
# byte for byte, so slot by slot) and that no temporary file of the program is left beside it.
#
#   scripts/crash.sh [TRIES] [PUZZLES] [SEED]    (defaults 200 kills, 300 puzzles, seed 1)
#
# The tool is build/bin/quernfold-cli unless QF_CLI names another; the shipped data come from
# its folder unless QUERNFOLD_PROGRAM_DIR is set. Every operation runs once uninterrupted first,
# which gives the new content and how long the operation takes; the kills fall at random
# instants within that time (seeded, so a run can be repeated).
set -euo pipefail
tries="${1:-200}"
puzzles="${2:-300}"
seed="${3:-1}"
here="$(cd "$(dirname "$0")/.." && pwd)"
cli="${QF_CLI:-$here/build/bin/quernfold-cli}"
programDir="${QUERNFOLD_PROGRAM_DIR:-$(dirname "$cli")}"
[ -x "$cli" ] || { echo "no tool at $cli (build quernfold-cli first)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/qf-crash.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/prog" "$work/in"
for f in QFFLAY.DAT QFFPAGE.DAT SAMPLE.QF3; do cp "$programDir/$f" "$work/prog/$f"; done
export QUERNFOLD_PROGRAM_DIR="$work/prog"
pristineProg="$work/prog.pristine"
cp -r "$work/prog" "$pristineProg"

# The collection: the sample's puzzles over and over, up to the number asked for.
slotSize=69623
sample="$work/prog/SAMPLE.QF3"
sampleSlots=$(( $(stat -c %s "$sample") / slotSize ))
: > "$work/in/BIG.QF3"
while [ $(( $(stat -c %s "$work/in/BIG.QF3") / slotSize )) -lt "$puzzles" ]; do cat "$sample" >> "$work/in/BIG.QF3"; done
truncate -s $(( puzzles * slotSize )) "$work/in/BIG.QF3"
cp "$work/in/BIG.QF3" "$work/in/OTHER.QF3"
cp "$work/in/BIG.QF3" "$work/in/C.QF3"
allSlots=$(seq -s, 0 $(( puzzles - 1 )))
printf 'APPLE:A fruit\nBANANA:A yellow fruit\nCHERRY:A small red fruit\nGRAPE:It makes wine\nLEMON:Sour and yellow\nMELON:A big fruit\nPEAR:Shaped like a bell\nPLUM:A purple fruit\nKIWI:A furry fruit\nLIME:A green citrus\n' > "$work/in/words.txt"
(cd "$work/in" && "$cli" shapes export 0 S.LAY >/dev/null && "$cli" layouts export 0 P.PAG >/dev/null)
rm -f "$work/prog/"*.LAY "$work/prog/"*.PAG

# name | file it changes (C.QF3 in the run folder, or a library) | the command | the command that reads it
ops=(
  "copy|C.QF3|copy OTHER.QF3 3,1,4,1,5 --into C.QF3|list C.QF3"
  "import|C.QF3|copy OTHER.QF3 $allSlots --into C.QF3|list C.QF3"
  "delete|C.QF3|delete C.QF3 $(( puzzles / 3 ))|list C.QF3"
  "generate|C.QF3|generate --words words.txt --shape 0 --collection C.QF3 --seed 7 --attempts 30|list C.QF3"
  "layouts-import|PROG/QFFPAGE.DAT|layouts import P.PAG|layouts list"
  "shapes-import|PROG/QFFLAY.DAT|shapes import S.LAY|shapes list"
)

now_us() { echo $(( $(date +%s%N) / 1000 )); }

# A fresh run folder and program folder, as before the operation.
fresh() {
  rm -rf "$work/run" "$work/prog"
  cp -r "$work/in" "$work/run"
  cp -r "$pristineProg" "$work/prog"
}

target_of() { local t="$1"; echo "${t/PROG\//$work/prog/}" | sed "s|^C.QF3$|$work/run/C.QF3|"; }

# The names in the run and program folders (temporary files included).
names() { (cd "$work/run" && ls -A; cd "$work/prog" && ls -A | sed 's/^/prog: /') | sort; }

declare -A spanUs oldNames newNames
for op in "${ops[@]}"; do
  IFS='|' read -r name file command reader <<<"$op"
  fresh
  oldNames[$name]=$(names)
  target=$(target_of "$file")
  cp "$target" "$work/old-$name"
  start=$(now_us)
  (cd "$work/run" && $cli --yes $command >/dev/null 2>&1) || { echo "$name: the uninterrupted run failed" >&2; exit 1; }
  spanUs[$name]=$(( $(now_us) - start ))
  cp "$target" "$work/new-$name"
  newNames[$name]=$(names)
  if cmp -s "$work/old-$name" "$work/new-$name"; then echo "$name: changed nothing" >&2; exit 1; fi
done

RANDOM=$seed
kills=0; torn=0; leftovers=0; sawOld=0; sawNew=0; before=0
declare -A perOp
for ((i = 0; i < tries; i++)); do
  op="${ops[$((i % ${#ops[@]}))]}"
  IFS='|' read -r name file command reader <<<"$op"
  fresh
  target=$(target_of "$file")
  span=${spanUs[$name]}
  delay=$(( (RANDOM * 32768 + RANDOM) % (span + 1) ))
  (cd "$work/run" && exec $cli --yes $command >/dev/null 2>&1) &
  pid=$!
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill -9 "$pid" 2>/dev/null || before=$((before + 1))
  wait "$pid" 2>/dev/null || true
  kills=$((kills + 1)); perOp[$name]=$(( ${perOp[$name]:-0} + 1 ))
  # The next run of the tool opens the file, which undoes an interrupted change.
  (cd "$work/run" && $cli $reader >/dev/null 2>"$work/reader.err") || { echo "kill $i ($name): the next run failed: $(cat "$work/reader.err")" >&2; torn=$((torn + 1)); continue; }
  if cmp -s "$target" "$work/old-$name"; then sawOld=$((sawOld + 1))
  elif cmp -s "$target" "$work/new-$name"; then sawNew=$((sawNew + 1))
  else
    torn=$((torn + 1))
    size=$(stat -c %s "$target"); first=$(cmp "$target" "$work/old-$name" 2>/dev/null | sed -n 's/.*byte \([0-9]*\).*/\1/p')
    echo "kill $i ($name after $delay us): TORN: $size bytes ($((size / slotSize)) slots plus $((size % slotSize)) bytes), first slot unlike the old: $(( (${first:-1} - 1) / slotSize ))" >&2
  fi
  now=$(names)
  expected=${oldNames[$name]}
  if [ "$now" != "$expected" ] && [ "$now" != "${newNames[$name]}" ]; then
    leftovers=$((leftovers + 1))
    echo "kill $i ($name): left beside the files:" >&2
    diff <(echo "$expected") <(echo "$now") | sed -n 's/^> /  /p' >&2
  fi
done

ops_done=""
for op in "${ops[@]}"; do n="${op%%|*}"; ops_done+="$n ${perOp[$n]:-0}, "; done
echo "crash test: $kills kills (${ops_done%, }; $before ended before their kill) against $puzzles puzzles: $sawOld old, $sawNew new, $torn torn, $leftovers with leftovers"
[ "$torn" -eq 0 ] && [ "$leftovers" -eq 0 ]
