#!/usr/bin/env bash
# Keeps the layers apart. Usage: check_layering.sh PROJECT_ROOT
#
# Every folder under src/ is a layer, and a file includes only its own folder
# and the folders below it in this list (folders on one line side by side may
# not include each other):
#
#   main.cpp
#   shell
#   popup
#   screens
#   render
#   engine
#   sound
#   records
#   platform/desktop  platform/headless  platform/browser
#   platform/window
#   platform/audio
#   platform/backend
#   platform/resources
#   platform/drawing
#   platform/files
#   platform/system
#
# A file in no folder of the list is an error, so a new folder has to find its
# place here first. SDL, libpng and the operating system's headers and calls
# belong to platform/ alone.
root="${1:-.}"
[ -d "$root/src" ] || { echo "no src/ under $root"; exit 2; }
src=$(realpath "$root/src")

layers=(
  "main.cpp" "shell" "popup" "screens" "render" "engine" "sound" "records"
  "platform/desktop platform/headless platform/browser" "platform/window" "platform/audio" "platform/backend"
  "platform/resources" "platform/drawing" "platform/files" "platform/system"
)
declare -A rank_of_folder
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank_of_folder[$folder]=$((${#layers[@]} - i)); done
done

# The folder of a path relative to src/ that is a layer, or nothing.
folder_of() {
  local path=$1 folder
  [ "$path" = main.cpp ] && { echo main.cpp; return; }
  folder=${path%/*}
  [ "$folder" = "$path" ] && return
  [ -n "${rank_of_folder[$folder]:-}" ] && echo "$folder"
}

os_headers='^(SDL|png\.h|cairo|unistd\.h|fcntl\.h|sys/|dirent\.h|pthread\.h|windows\.h|poll\.h|signal\.h|csignal|dlfcn\.h|spawn\.h|termios\.h)'
os_calls='(^|[^.>:_[:alnum:]])(std::|::)?(setenv|unsetenv|putenv|getenv|secure_getenv|mkdtemp|mkstemp|fork|execl|execlp|execv|execvp|execve|kill|raise|unlink|rmdir|mkdir|chdir|system|popen|sigaction|signal|usleep|nanosleep|getpid|open|openat|fsync|dup2|pipe)[[:space:]]*\('
failures=0
bad() {
  echo "$1"
  failures=$((failures + 1))
}

while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  folder=$(folder_of "$rel")
  [ -n "$folder" ] || { bad "$rel: not in any layer"; continue; }
  rank=${rank_of_folder[$folder]}
  if [[ "$folder" != platform/* ]]; then
    # Comments and strings may name a call; code may not.
    while IFS=: read -r line text; do
      bad "$rel:$line calls the operating system: that belongs to src/platform/"
    done < <(sed -E 's://.*$::; s/"([^"\\]|\\.)*"/""/g' "$file" | grep -nE "$os_calls")
  fi
  while IFS=: read -r line include; do
    header="${include:1:${#include}-2}"
    if [[ "$folder" != platform/* ]] && [[ "$header" =~ $os_headers ]]; then
      bad "$rel:$line includes $include: the operating system belongs to src/platform/"
      continue
    fi
    # Quoted names are looked for beside the file first, then under src/.
    target="$src/$header"
    [ "${include:0:1}" = '"' ] && [ -e "${file%/*}/$header" ] && target="${file%/*}/$header"
    # A header outside src/ or in no layer is a system or library header.
    target_folder=$(folder_of "$(realpath -m --relative-base="$src" "$target")")
    [ -n "$target_folder" ] && [ "$target_folder" != "$folder" ] || continue
    if [ "${rank_of_folder[$target_folder]}" -ge "$rank" ]; then
      bad "$rel:$line includes $include: $target_folder is not below $folder"
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]+[">]' "$file" |
    sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*(["<][^">]+[">]).*/\1:\2/')
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' -o -name '*.inc' \) -print0 | sort -z)

[ "$failures" = 0 ] || { echo "layering: $failures bad include(s) or call(s)"; exit 1; }
echo "layering ok"
