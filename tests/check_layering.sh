#!/usr/bin/env bash
# Keeps the layers apart. Usage: check_layering.sh PROJECT_ROOT
#
# A layer includes only itself and the layers below it:
#   main.cpp > shell > popup > render > engine > sound > records > platform
# The record screens (files of src/records/ with "_screen" in their names)
# paint, so they sit with render. SDL, libpng and operating-system headers
# belong to src/platform/ alone.
root="${1:-.}"
[ -d "$root/src" ] || { echo "no src/ under $root"; exit 2; }
src=$(realpath "$root/src")
order="main.cpp > shell > popup > render > engine > sound > records > platform"

# The rank of a path relative to src/, or nothing for a path in no layer.
rank_of() {
  case "$1" in
    main.cpp) echo 7 ;;
    shell/*) echo 6 ;;
    popup/*) echo 5 ;;
    render/* | records/*_screen*) echo 4 ;;
    engine/*) echo 3 ;;
    sound/*) echo 2 ;;
    records/*) echo 1 ;;
    platform/*) echo 0 ;;
  esac
}

platform_headers='^(SDL|png\.h|cairo|unistd\.h|fcntl\.h|sys/|dirent\.h|pthread\.h|windows\.h|poll\.h|signal\.h|dlfcn\.h)'
failures=0
bad() {
  echo "$1"
  failures=$((failures + 1))
}

while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  rank=$(rank_of "$rel")
  [ -n "$rank" ] || { bad "$rel: not in any layer"; continue; }
  while IFS=: read -r line include; do
    header="${include:1:${#include}-2}"
    if [ "$rank" -ne 0 ] && [[ "$header" =~ $platform_headers ]]; then
      bad "$rel:$line includes $include: platform headers belong to src/platform/"
      continue
    fi
    # Quoted names are looked for beside the file first, then under src/.
    target="$src/$header"
    [ "${include:0:1}" = '"' ] && [ -e "${file%/*}/$header" ] && target="${file%/*}/$header"
    # A header outside src/ or in no layer is a system or library header.
    target_rank=$(rank_of "$(realpath -m --relative-base="$src" "$target")")
    if [ -n "$target_rank" ] && [ "$target_rank" -gt "$rank" ]; then
      bad "$rel:$line includes $include, a layer above it ($order)"
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]+[">]' "$file" |
    sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*(["<][^">]+[">]).*/\1:\2/')
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' -o -name '*.inc' \) -print0 | sort -z)

[ "$failures" = 0 ] || { echo "layering: $failures bad include(s)"; exit 1; }
echo "layering ok"
