#!/usr/bin/env bash
# Fails when a source file of src/ includes a header its floor may not see, or when the map of
# the floors in docs/architecture.md does not draw the floors the build declares.
#
# Usage: check_layers.sh LAYERS_FILE [SRC_DIR [MAP_FILE]]
#   LAYERS_FILE  build/layers.txt, written by the build: "folder: folders its library links"
#   SRC_DIR      the source tree to check (default: the project's src/)
#   MAP_FILE     the map (default: the project's docs/architecture.md)
#
# A folder may include its own headers and those of every folder its library links, directly
# or through them, and the headers of the Qt modules it links the same way (a floor that links
# no Qt module includes none of Qt). On top of that, two rules hold whatever the build links:
#   - only windows include windows: a header of a forms/ folder is included from forms/
#     folders and from the desktop program's entry (app/main) only;
#   - app/ is the top floor: only app/ itself and the command-line tool include its core, and
#     only app/ includes app/forms.
set -euo pipefail
layers="${1:?usage: check_layers.sh LAYERS_FILE [SRC_DIR [MAP_FILE]]}"
root="$(cd "$(dirname "$0")/.." && pwd)"
src="${2:-$root/src}"
src="${src%/}"
map="${3:-$root/docs/architecture.md}"

declare -A direct allowed module
qt=""
while IFS= read -r line; do
  [[ "$line" == "# Qt headers: "* ]] && qt="${line#"# Qt headers: "}"
  [[ -z "$line" || "$line" == \#* ]] && continue
  direct["${line%%:*}"]="${line#*:}"
done < "$layers"
# What each Qt module the program links brings with it.
direct[QtGui]=" QtCore"
direct[QtSvg]=" QtGui"
direct[QtWidgets]=" QtGui"
direct[QtPrintSupport]=" QtWidgets"
direct[QtHelp]=" QtWidgets QtSql"
direct[QtDBus]=" QtCore"
# The module of every Qt header, by the header folder it sits in.
if [[ -n "$qt" && -d "$qt" ]]; then
  for d in "$qt"/Qt*/; do
    m="${d%/}"; m="${m##*/}"
    module["$m"]="$m"
    for h in "$d"Q*; do module["${h##*/}"]="$m"; done
  done
fi

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
  dir="${rel%/*}"
  [[ -n "${allowed[$dir]+set}" ]] || fail "$rel: folder $dir belongs to no library of the build"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

# Every include line of the tree, read in one pass: "file:line:text".
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"
  lineno="${rest%%:*}"
  text="${rest#*:}"
  rel="${file#"$src"/}"
  dir="${rel%/*}"
  [[ -n "${allowed[$dir]+set}" ]] || continue  # reported above
  if [[ "$text" == *\"* ]]; then
    target="${text#*\"}"
    target="${target%%\"*}"
    [[ "$target" == */* ]] || continue  # a header beside the file
    tdir="${target%/*}"
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
  else
    header="${text#*<}"
    header="${header%%>*}"
    m="${header%%/*}"
    [[ "$header" == */* ]] || m="${module[$header]:-}"
    [[ -z "$m" || "$m" != Qt* ]] && continue  # not one of Qt's
    [[ "${allowed[$dir]}" == *" $m "* ]] || fail "$rel:$lineno: includes <$header>: $dir does not link $m"
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*("|<Q)' "$src" | sort)

# The map: the lines of the code block under "## The floors", top floor first, each "folders |
# what they hold". Every folder of the build is drawn once, and above every folder it links.
if [[ -f "$map" ]]; then
  declare -A drawn
  row=0
  while IFS= read -r line; do
    row=$((row + 1))
    for folder in ${line%%|*}; do
      if [[ -z "${direct[$folder]+set}" || "$folder" == Qt* ]]; then
        fail "$map: the map draws $folder, which the build does not declare"
      elif [[ -n "${drawn[$folder]+set}" ]]; then
        fail "$map: the map draws $folder twice"
      else
        drawn["$folder"]=$row
      fi
    done
  done < <(awk '/^## The floors/ {f = 1; next} f && /^```/ {if (b) exit; b = 1; next} b && /\|/' "$map")
  for folder in "${!direct[@]}"; do
    [[ "$folder" == Qt* ]] && continue
    if [[ -z "${drawn[$folder]+set}" ]]; then
      fail "$map: the map leaves out $folder"
      continue
    fi
    for dep in ${direct[$folder]}; do
      [[ -n "${drawn[$dep]+set}" ]] || continue
      ((drawn[$dep] > drawn[$folder])) || fail "$map: $folder links $dep but is not drawn above it"
    done
  done
else
  fail "$map: no map of the floors"
fi

if ((status == 0)); then echo "layers: every include of $src keeps to its floor, and the map draws the build's floors"; fi
exit "$status"
