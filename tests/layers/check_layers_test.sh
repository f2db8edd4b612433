#!/usr/bin/env bash
# The layer check passes on the real tree and fails, naming the file, on a copy of it with one
# forbidden include planted in each of four ways, and on a map that leaves out a floor or draws
# one below a floor it links.
# Usage: check_layers_test.sh SOURCE_DIR LAYERS_FILE
set -uo pipefail
root="$1"
layers="$2"
check="$root/scripts/check_layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

map="$root/docs/architecture.md"
bash "$check" "$layers" "$root/src" "$map" >"$work/out" || { cat "$work/out"; echo "FAIL: the real tree does not pass"; exit 1; }

plant() {  # plant FILE LINE EXPECTED_TEXT
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
  sed -i "1a $2" "$work/src/$1"
  if bash "$check" "$layers" "$work/src" "$map" >"$work/out"; then
    echo "FAIL: $2 in $1 was not caught"
    exit 1
  fi
  grep -q "^$1:2: .*$3" "$work/out" || { cat "$work/out"; echo "FAIL: the report does not name $1"; exit 1; }
}
plant model/GridBuilder.cpp '#include "app/forms/MainWin.h"' "only windows include windows"
plant shapes/ShapeFiles.cpp '#include "collections/CollectionFile.h"' "shapes does not link collections"
plant editor/SpellCheck.cpp '#include "app/ProgramState.h"' "app/ is the top floor"
plant model/GridBuilder.cpp '#include <QImage>' "model does not link QtGui"
plant output/LayoutThumbnail.cpp '#include <QtWidgets/QLabel>' "output does not link QtWidgets"

redraw() {  # redraw SED_SCRIPT EXPECTED_TEXT: the check fails on the map changed by SED_SCRIPT
  sed "$1" "$map" >"$work/map.md"
  if bash "$check" "$layers" "$root/src" "$work/map.md" >"$work/out"; then
    echo "FAIL: the map changed by $1 was not caught"
    exit 1
  fi
  grep -q "$2" "$work/out" || { cat "$work/out"; echo "FAIL: the report does not say: $2"; exit 1; }
}
redraw 's/^base  /nothing/' "the map leaves out base"
redraw 's/^output  collections/collections/; s/^model  /model  output  /' "output links model but is not drawn above it"
redraw 's/^app\/main /app\/main  nowhere /' "the map draws nowhere, which the build does not declare"
echo "layer check passes the tree and the map, and catches planted includes and a wrong map"
