#!/usr/bin/env bash
# Installs into a scratch prefix and checks what a desktop reads there (menu
# entry, software-centre listing, icons, one version everywhere), then builds
# the Debian package and starts the game from its menu entry under Xvfb.
# Usage: installs_and_packages.sh BUILD_DIR VERSION X11_WINDOW_TOOL
set -u
build=$1 version=$2 tool=$3
id=net.kestrelnet.fandriass2
. "$(dirname "$0")/../program/xvfb.bash"
scratch=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$scratch"' EXIT
problems=0
problem() {
  echo "FAIL: $*"
  problems=$((problems + 1))
}

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || problem "desktop entry: $out"
# Even the pedantic remarks count: a listing either validates cleanly or not.
out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) && ! grep -q '^[EWIP]: ' <<<"$out" ||
  problem "metainfo: $out"

icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
  [ -f "$png" ] || { problem "no $size-pixel icon named $icon"; continue; }
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  read -ra b < <(od -An -tu1 -j16 -N8 "$png")
  got="$((b[2] * 256 + b[3]))x$((b[6] * 256 + b[7]))"
  [ "$got" = "${size}x$size" ] || problem "the $size-pixel icon is $got"
done

got=$("$prefix/bin/fandriass" --version)
[ "$got" = "Fandriass II $version" ] || problem "--version says '$got', not $version"
grep -q "<release version=\"$version\"" "$metainfo" || problem "the metainfo release is not $version"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$scratch/cpack.log")"
deb=$(ls "$scratch"/deb/*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || problem "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *"libsdl2-2.0-0 "* ]] || problem "the package does not depend on SDL2: $depends"
# Text is drawn from glyphs rasterised at build time: no font engine at run time.
[[ "$depends" != *"ttf"* && "$depends" != *"freetype"* ]] ||
  problem "the package depends on a font engine: $depends"
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/fandriass usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/$id.png; do
  [[ "$contents" == *"./$path"* ]] || problem "the package lacks $path"
done

# The menu entry's command, found on the PATH as a launcher would find it,
# opens the game's window.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
read -ra command < <(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop")
start_xvfb || exit 1
export XDG_RUNTIME_DIR=$scratch XDG_DATA_HOME=$scratch SDL_AUDIODRIVER=dummy
PATH="$root/usr/bin:$PATH" "${command[@]}" --zoom 1 &
pid=$!
wait_until 300 eval '[ "$("$tool" count "Fandriass II")" = 1 ]' || fail "the menu entry's command opened no window"
close_game
[ "$problems" = 0 ] || exit 1
echo "installed, validated and packaged $(basename "$deb") ($(stat -c %s "$deb") bytes)"
