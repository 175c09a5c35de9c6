#!/usr/bin/env bash
# Keeps the layers apart. Usage: check_layering.sh PROJECT_ROOT
#
# A layer includes only itself and the layers below it:
#   main.cpp > shell > popup > render > engine > sound > records > platform
# The record screens (files of src/records/ with "_screen" in their names)
# paint, so they sit with render. SDL, libpng and operating-system headers
# belong to src/platform/ alone.
root="${1:-.}"
src="$root/src"
if [ ! -d "$src" ]; then
  echo "no src/ under $root"
  exit 2
fi
src=$(realpath "$src")

layer_names=(platform records sound engine render popup shell main.cpp)

# The rank of a path relative to src/, or nothing for a path in no layer.
rank_of() {
  local path="$1" first="${1%%/*}"
  case "$first" in
    main.cpp) echo 7 ;;
    shell) echo 6 ;;
    popup) echo 5 ;;
    render) echo 4 ;;
    engine) echo 3 ;;
    sound) echo 2 ;;
    records)
      case "${path##*/}" in
        *_screen*) echo 4 ;;
        *) echo 1 ;;
      esac
      ;;
    platform) echo 0 ;;
  esac
}

# What a file of a rank may include, for the message.
allowed_for() {
  local rank="$1" names="" i
  for ((i = rank; i >= 0; --i)); do
    [ "$i" -eq 7 ] && continue
    names+="${layer_names[$i]} "
  done
  [ "$rank" -ge 4 ] && names+="(and the record screens)"
  echo "$names"
}

platform_headers='^(SDL|png\.h|cairo|unistd\.h|fcntl\.h|sys/|dirent\.h|pthread\.h|windows\.h|poll\.h|signal\.h|dlfcn\.h)'
failures=0

while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  rank=$(rank_of "$rel")
  if [ -z "$rank" ]; then
    echo "$rel: not in any layer"
    failures=$((failures + 1))
    continue
  fi
  dir=$(dirname "$file")
  while IFS=: read -r line include; do
    [ -z "$line" ] && continue
    header="${include:1:${#include}-2}"
    if [ "$rank" -ne 0 ] && [[ "$header" =~ $platform_headers ]]; then
      echo "$rel:$line includes $include: platform headers belong to src/platform/"
      failures=$((failures + 1))
      continue
    fi
    # Quoted names are looked for beside the file first, then under src/.
    target="$src/$header"
    if [ "${include:0:1}" = '"' ] && [ -e "$dir/$header" ]; then target="$dir/$header"; fi
    target=$(realpath -m "$target")
    [ "${target#"$src"/}" = "$target" ] && continue  # outside src/: a library's header
    target_rank=$(rank_of "${target#"$src"/}")
    [ -z "$target_rank" ] && continue  # a system or library header
    if [ "$target_rank" -gt "$rank" ]; then
      echo "$rel:$line includes $include, a layer above it; it may include only: $(allowed_for "$rank")"
      failures=$((failures + 1))
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]+[">]' "$file" |
    sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*(["<][^">]+[">]).*/\1:\2/')
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' -o -name '*.inc' \) -print0 | sort -z)

if [ "$failures" -ne 0 ]; then
  echo "layering: $failures bad include(s)"
  exit 1
fi
echo "layering ok"
