#!/usr/bin/env bash
# The layer check passes on the real tree and fails, naming the file, on a copy of it with one
# forbidden include planted in each of three ways.
# Usage: check_layers_test.sh SOURCE_DIR LAYERS_FILE
set -uo pipefail
root="$1"
layers="$2"
check="$root/scripts/check_layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash "$check" "$layers" "$root/src" >"$work/out" || { cat "$work/out"; echo "FAIL: the real tree does not pass"; exit 1; }

plant() {  # plant FILE LINE EXPECTED_TEXT
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
  sed -i "1a $2" "$work/src/$1"
  if bash "$check" "$layers" "$work/src" >"$work/out"; then
    echo "FAIL: $2 in $1 was not caught"
    exit 1
  fi
  grep -q "^$1:2: .*$3" "$work/out" || { cat "$work/out"; echo "FAIL: the report does not name $1"; exit 1; }
}
plant model/GridBuilder.cpp '#include "app/forms/MainWin.h"' "only windows include windows"
plant shapes/ShapeFiles.cpp '#include "collections/CollectionFile.h"' "shapes does not link collections"
plant editor/SpellCheck.cpp '#include "app/ProgramState.h"' "app/ is the top floor"
echo "layer check passes the tree and catches planted includes"
