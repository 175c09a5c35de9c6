#!/usr/bin/env bash
# Runs the layering check on small made-up trees: a tree of allowed includes
# passes, and each bad include on its own fails it and names its file.
checker="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree in which every layer includes the one below it, plus the allowed
# extras: record screens with the painters, relative and same-folder names,
# library headers, and an include that is only a comment. With a file and a
# line, that line is added to the file; the check must end with the code given.
check() {
  local code=$1 file=${2:-} line=${3:-} s="$work/tree/src"
  rm -rf "$work/tree"
  mkdir -p "$s"/{shell,popup,render,engine,sound,records,platform}
  printf '#include "shell/program.hpp"\n' >"$s/main.cpp"
  printf '#include "popup/popup.hpp"\n#include <vector>\n' >"$s/shell/program.hpp"
  printf '#include "render/paint.hpp"\n#include "records/hiscore_screen.hpp"\n' >"$s/popup/popup.hpp"
  printf '#include "../engine/game.hpp"\n#include "paint_parts.hpp"\n' >"$s/render/paint.hpp"
  printf '#include "platform/bitmap.hpp"\n' >"$s/render/paint_parts.hpp"
  printf '#include "render/paint.hpp"\n#include "engine/game.hpp"\n' >"$s/records/hiscore_screen.hpp"
  printf '#include "sound/effects.hpp"\n// #include "render/paint.hpp"\n' >"$s/engine/game.hpp"
  printf '#include "records/settings.hpp"\n' >"$s/sound/effects.hpp"
  printf '#include "platform/bitmap.hpp"\n#include <cstdint>\n' >"$s/records/settings.hpp"
  printf '#include <SDL.h>\n#include <png.h>\n' >"$s/platform/bitmap.hpp"
  if [ -n "$file" ]; then
    mkdir -p "$(dirname "$s/$file")"
    printf '%s\n' "$line" >>"$s/$file"
  fi
  bash "$checker" "$work/tree" >"$work/out" 2>&1
  local rc=$?
  if [ "$rc" != "$code" ] || ! grep -q "$file" "$work/out"; then
    echo "FAILED: ${file:-the good tree} $line: exit code $rc"
    cat "$work/out"
    failures=$((failures + 1))
  fi
}

check 0
check 1 records/settings.hpp '#include "engine/game.hpp"'
check 1 records/settings.cpp '#include "sound/effects.hpp"'
check 1 records/settings.hpp '#include "records/hiscore_screen.hpp"'
check 1 records/settings.cpp '#include "hiscore_screen.hpp"'
check 1 engine/game.cpp '#include "render/paint.hpp"'
check 1 sound/effects.hpp '  #  include <engine/game.hpp>'
check 1 platform/bitmap.cpp '#include "records/settings.hpp"'
check 1 render/paint.cpp '#include "popup/popup.hpp"'
check 1 records/hiscore_screen.cpp '#include "shell/program.hpp"'
check 1 popup/popup.cpp '#include "../shell/program.hpp"'
check 1 shell/program.cpp '#include "../main.cpp"'
check 1 render/paint.cpp '#include <SDL_ttf.h>'
check 1 engine/game.cpp '#include <sys/time.h>'
check 1 misc/odd.cpp '#include <vector>'

[ "$failures" = 0 ] || { echo "$failures layering check case(s) failed"; exit 1; }
echo "layering check ok"
