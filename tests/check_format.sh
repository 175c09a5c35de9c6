#!/usr/bin/env bash
# Every C++ file follows the project's .clang-format.
root="$1"
cd "$root" || exit 1
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 1; }
files=$(git ls-files '*.cpp' '*.hpp' 2>/dev/null || find src tools tests -name '*.cpp' -o -name '*.hpp')
out=$(echo "$files" | xargs clang-format --dry-run 2>&1 | grep 'warning:' | cut -d: -f1 | sort -u)
if [ -n "$out" ]; then
  echo "Not formatted (run clang-format -i):"
  echo "$out"
  exit 1
fi
echo "formatting ok"
