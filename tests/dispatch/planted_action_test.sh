#!/usr/bin/env bash
# The window actions are dispatched with one case per action type: the dispatch compiles as it
# stands, and an action type added to the variant without a case of its own does not compile.
# Usage: planted_action_test.sh CXX SOURCE_DIR
set -uo pipefail
cxx="$1"
src="$2/src"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

compile() {  # compile SOURCE [EXTRA_INCLUDE]
  "$cxx" -std=c++20 -fsyntax-only ${2:+-I"$2"} -I"$src" "$src/$1" >"$work/out" 2>&1
}

check() {  # check HEADER VARIANT SOURCE
  compile "$3" || { cat "$work/out"; echo "FAIL: $3 does not compile as it stands"; exit 1; }
  mkdir -p "$work/include/$(dirname "$1")"
  perl -0pe "s/^using $2 =(\\s*)std::variant</struct PlantedAction {};\\nusing $2 =\\1std::variant<PlantedAction, /m" \
    "$src/$1" >"$work/include/$1"
  grep -q "std::variant<PlantedAction," "$work/include/$1" || { echo "FAIL: no variant $2 to plant in $1"; exit 1; }
  if compile "$3" "$work/include"; then
    echo "FAIL: $3 compiles with an action type it has no case for"
    exit 1
  fi
  grep -q "error:.*PlantedAction" "$work/out" || { cat "$work/out"; echo "FAIL: $3 fails for another reason"; exit 1; }
}
check shapes/ShapeDesign.h ShapeAction shapes/ShapeDesign.cpp
check layouts/PageDesign.h PageAction layouts/PageDesignActions.cpp
echo "the action dispatches compile, and a planted action without a case does not"
