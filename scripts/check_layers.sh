#!/usr/bin/env bash
# Fails when a source file of src/ includes a header its floor may not see.
#
# Usage: check_layers.sh LAYERS_FILE [SRC_DIR]
#   LAYERS_FILE  build/layers.txt, written by the build: "folder: folders its library links"
#   SRC_DIR      the source tree to check (default: the project's src/)
#
# A folder may include its own headers and those of every folder its library links, directly
# or through them. On top of that, two rules hold whatever the build links:
#   - only windows include windows: a header of a forms/ folder is included from forms/
#     folders and from the desktop program's entry (app/main) only;
#   - app/ is the top floor: only app/ itself and the command-line tool include its core, and
#     only app/ includes app/forms.
set -euo pipefail
layers="${1:?usage: check_layers.sh LAYERS_FILE [SRC_DIR]}"
src="${2:-$(cd "$(dirname "$0")/.." && pwd)/src}"
src="${src%/}"

declare -A direct allowed
while IFS= read -r line; do
  [[ -z "$line" || "$line" == \#* ]] && continue
  direct["${line%%:*}"]="${line#*:}"
done < "$layers"

for dir in "${!direct[@]}"; do
  seen=" $dir "
  read -r -a queue <<< "${direct[$dir]}"
  while ((${#queue[@]})); do
    d="${queue[0]}"
    queue=("${queue[@]:1}")
    [[ "$seen" == *" $d "* ]] && continue
    seen+="$d "
    read -r -a more <<< "${direct[$d]:-}"
    queue+=("${more[@]}")
  done
  allowed["$dir"]="$seen"
done

is_forms() { [[ "$1" == forms || "$1" == */forms ]]; }

status=0
fail() { echo "$1"; status=1; }
while IFS= read -r file; do
  rel="${file#"$src"/}"
  dir="$(dirname "$rel")"
  if [[ -z "${allowed[$dir]+set}" ]]; then
    fail "$rel: folder $dir belongs to no library of the build"
    continue
  fi
  while IFS= read -r hit; do
    lineno="${hit%%:*}"
    target="${hit#*\"}"
    target="${target%%\"*}"
    [[ "$target" == */* ]] || continue  # a header beside the file
    tdir="$(dirname "$target")"
    [[ "$tdir" == "$dir" ]] && continue
    where="$rel:$lineno: includes \"$target\""
    if is_forms "$tdir" && ! is_forms "$dir" && [[ "$dir" != app/main ]]; then
      fail "$where: only windows include windows"
    elif [[ "$tdir" == app || "$tdir" == app/* ]] && [[ "$dir" != app && "$dir" != app/* ]] &&
         ! [[ "$dir" == cli && "$tdir" == app ]]; then
      fail "$where: app/ is the top floor"
    elif [[ "${allowed[$dir]}" != *" $tdir "* ]]; then
      fail "$where: $dir does not link $tdir"
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if ((status == 0)); then echo "layers: every include of $src keeps to its floor"; fi
exit "$status"
