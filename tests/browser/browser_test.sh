#!/usr/bin/env bash
# Builds the page from a native build's resources and plays it in headless
# Chromium; then plays the golden games on the web build under Node.js.
# Usage: browser_test.sh SOURCE_DIR NATIVE_BUILD
set -euo pipefail
source=$1
native=$2
web="$native/web"
FANDRIASS_NATIVE_BUILD="$native" FANDRIASS_WEB_BUILD="$web" "$source/scripts/web" --build-only
# The screenshots stay in the build folder to be looked at.
node "$source/tests/browser/browser_test.mjs" "$web" "$source/tests/replays" "$web/screenshots"
NODE_PATH=/usr/share/nodejs cmake --build "$web" --target fandriass_golden_node
# Node.js 18 and later would fetch the program's own file, which Emscripten 3.1.6
# means to read from the disk.
node --no-experimental-fetch "$web/fandriass_golden_node.js" --gtest_brief=1
