#!/usr/bin/env bash
# Builds the page from a native build's resources and plays it in headless
# Chromium. Usage: browser_test.sh SOURCE_DIR NATIVE_BUILD
set -euo pipefail
source=$1
native=$2
web="$native/web"
FANDRIASS_NATIVE_BUILD="$native" FANDRIASS_WEB_BUILD="$web" "$source/scripts/web" --build-only
# The screenshots stay in the build folder to be looked at.
node "$source/tests/browser/browser_test.mjs" "$web" "$source/tests/replays" "$web/screenshots"
