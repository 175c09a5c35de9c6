#!/usr/bin/env bash
# SDL and operating-system headers belong to src/platform/ alone.
root="$1"
pattern='#\s*include\s*[<"](SDL|png\.h|cairo|unistd\.h|fcntl\.h|sys/|dirent\.h|pthread\.h|windows\.h|poll\.h|signal\.h|dlfcn\.h)'
hits=$(grep -rnE "$pattern" "$root/src" --include='*.cpp' --include='*.hpp' | grep -v "^$root/src/platform/")
if [ -n "$hits" ]; then
  echo "Platform headers included outside src/platform/:"
  echo "$hits"
  exit 1
fi
echo "layering ok"
