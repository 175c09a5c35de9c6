#!/usr/bin/env bash
# Runs the layering check on small made-up trees: a tree of allowed includes
# passes, and each bad include or call on its own fails it and names its file.
checker="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree in which every layer includes the one below it, plus the allowed
# extras: relative and same-folder names, library headers, and an include or
# a call that is only a comment or a string. With a file and a line, that line
# is added to the file; the check must end with the code given.
check() {
  local code=$1 file=${2:-} line=${3:-} s="$work/tree/src"
  rm -rf "$work/tree"
  mkdir -p "$s"/{shell,popup,screens,render,engine,sound,records} \
    "$s"/platform/{desktop,headless,browser,window,audio,backend,resources,drawing,files}
  printf '#include "shell/program.hpp"\n' >"$s/main.cpp"
  printf '#include "popup/popup.hpp"\n#include <vector>\n' >"$s/shell/program.hpp"
  printf '#include "screens/scores.hpp"\n' >"$s/popup/popup.hpp"
  printf '#include "render/paint.hpp"\n// setenv("A", "b", 1);\n' >"$s/screens/scores.hpp"
  printf '#include "../engine/game.hpp"\n#include "paint_parts.hpp"\n' >"$s/render/paint.hpp"
  printf '#include "platform/drawing/bitmap.hpp"\nconst char* a = "kill(1)";\n' >"$s/render/paint_parts.hpp"
  printf '#include "sound/effects.hpp"\n// #include "render/paint.hpp"\n' >"$s/engine/game.hpp"
  printf '#include "records/settings.hpp"\n' >"$s/sound/effects.hpp"
  printf '#include "platform/desktop/sdl.hpp"\n#include <cstdint>\nint Open(int);\n' >"$s/records/settings.hpp"
  printf '#include "platform/window/window_system.hpp"\n#include <SDL.h>\nint x = getenv("A") != 0;\n' >"$s/platform/desktop/sdl.hpp"
  printf '#include "platform/window/window_system.hpp"\n' >"$s/platform/headless/clock.hpp"
  printf '#include "platform/window/window_system.hpp"\n' >"$s/platform/browser/page.hpp"
  printf '#include "platform/audio/mixer.hpp"\n' >"$s/platform/window/window_system.hpp"
  printf '#include "platform/backend/backend.hpp"\n' >"$s/platform/audio/mixer.hpp"
  printf '#include "platform/resources/pack.hpp"\n' >"$s/platform/backend/backend.hpp"
  printf '#include "platform/drawing/bitmap.hpp"\n' >"$s/platform/resources/pack.hpp"
  printf '#include "platform/files/store.hpp"\n#include <png.h>\n' >"$s/platform/drawing/bitmap.hpp"
  printf '#include <unistd.h>\n' >"$s/platform/files/store.hpp"
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
check 1 platform/backend/backend.cpp '#include "../window/window_system.hpp"'
check 1 records/settings.hpp '#include "engine/game.hpp"'
check 1 records/settings.cpp '#include "screens/scores.hpp"'
check 1 render/paint.cpp '#include "screens/scores.hpp"'
check 1 engine/game.cpp '#include "render/paint.hpp"'
check 1 sound/effects.hpp '  #  include <engine/game.hpp>'
check 1 platform/drawing/bitmap.cpp '#include "records/settings.hpp"'
check 1 platform/files/store.cpp '#include "platform/drawing/bitmap.hpp"'
check 1 platform/desktop/sdl.cpp '#include "platform/headless/clock.hpp"'
check 1 platform/browser/page.cpp '#include "platform/desktop/sdl.hpp"'
check 1 platform/loose.cpp '#include <vector>'
check 1 popup/popup.cpp '#include "../shell/program.hpp"'
check 1 shell/program.cpp '#include "../main.cpp"'
check 1 render/paint.cpp '#include <SDL_ttf.h>'
check 1 engine/game.cpp '#include <sys/time.h>'
check 1 shell/program.cpp '  if (mkdtemp(name)) std::setenv("X", name, 1);'
check 1 screens/scores.cpp 'int pid = ::getpid();'
check 1 misc/odd.cpp '#include <vector>'

[ "$failures" = 0 ] || { echo "$failures layering check case(s) failed"; exit 1; }
echo "layering check ok"
