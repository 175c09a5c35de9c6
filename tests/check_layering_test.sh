#!/usr/bin/env bash
# Runs the layering check on small made-up trees: a tree of allowed includes
# passes, and each bad include on its own fails it.
checker="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree in which every layer includes the one below it, plus the allowed
# extras: record screens with the painters, relative and same-folder names,
# library headers, and an include that is only a comment.
make_good_tree() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree/src"/{shell,popup,render,engine,sound,records,platform}
  local s="$work/tree/src"
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
}

expect() {
  local outcome="$1" what="$2"
  bash "$checker" "$work/tree" >"$work/out" 2>&1
  local rc=$?
  if { [ "$outcome" = pass ] && [ $rc -ne 0 ]; } || { [ "$outcome" = fail ] && [ $rc -ne 1 ]; }; then
    echo "FAILED: $what: expected $outcome, exit code $rc"
    cat "$work/out"
    failures=$((failures + 1))
  fi
}

# Adds one line to a file of the good tree and expects the check to fail.
expect_caught() {
  local file="$1" line="$2"
  make_good_tree
  mkdir -p "$(dirname "$work/tree/src/$file")"
  printf '%s\n' "$line" >>"$work/tree/src/$file"
  expect fail "$file: $line"
  grep -q "$file" "$work/out" || {
    echo "FAILED: the report does not name $file"
    failures=$((failures + 1))
  }
}

make_good_tree
expect pass "the good tree"

expect_caught records/settings.hpp '#include "engine/game.hpp"'
expect_caught records/settings.cpp '#include "sound/effects.hpp"'
expect_caught records/settings.hpp '#include "records/hiscore_screen.hpp"'
expect_caught records/settings.cpp '#include "hiscore_screen.hpp"'
expect_caught engine/game.cpp '#include "render/paint.hpp"'
expect_caught sound/effects.hpp '  #  include <engine/game.hpp>'
expect_caught platform/bitmap.cpp '#include "records/settings.hpp"'
expect_caught render/paint.cpp '#include "popup/popup.hpp"'
expect_caught records/hiscore_screen.cpp '#include "shell/program.hpp"'
expect_caught popup/popup.cpp '#include "../shell/program.hpp"'
expect_caught shell/program.cpp '#include "../main.cpp"'
expect_caught render/paint.cpp '#include <SDL_ttf.h>'
expect_caught engine/game.cpp '#include <sys/time.h>'
expect_caught misc/odd.cpp '#include <vector>'

if [ "$failures" -ne 0 ]; then
  echo "$failures layering check case(s) failed"
  exit 1
fi
echo "layering check ok"
