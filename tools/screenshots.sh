#!/bin/sh
# Renders the sample site, styled with share/morv.css, in headless Chromium:
# the ranking page, a game page and a player page at a desktop width and at
# a phone width, and the modern site's index, game, player and map pages
# at both widths in light and dark (modern-*-WIDTH[-dark].png), into
# docs/screenshots/*.png (each kept under 300 KB).
# Builds morv in build/ (or MORV_BUILD_DIR) when needed. Needs Debian's
# chromium, and pngquant or optipng to shrink the pictures.
# Usage: tools/screenshots.sh
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/${MORV_BUILD_DIR:-build}
out=$root/docs/screenshots

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build"
fi
cmake --build "$build" -j2 --target morv

site=$(mktemp -d)
profile=$(mktemp -d)
trap 'rm -rf "$site" "$profile"' EXIT
cp sample/sample.log share/morv.css "$site/"
(cd "$site" && "$build/morv" sample.log -l -d -top5 --site=modern < /dev/null > console.txt)
mkdir -p "$out"

# shoot <page> <picture name> <width> <height> <scale> [dark]
shoot() {
  picture=$out/$2-$3${6:+-$6}.png
  dark=""
  [ "${6-}" = dark ] &&
    dark="--force-dark-mode --blink-settings=preferredColorScheme=0"
  chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update \
    --disable-sync --hide-scrollbars --user-data-dir="$profile" \
    --force-device-scale-factor="$5" --window-size="$3,$4" $dark \
    --screenshot="$picture" "file://$site/$1" > /dev/null 2>&1
  if command -v pngquant > /dev/null 2>&1; then
    pngquant --force --skip-if-larger --quality=70-95 --output "$picture" \
      "$picture" || true
  fi
  if command -v optipng > /dev/null 2>&1; then
    optipng -quiet -o2 "$picture"
  fi
  size=$(wc -c < "$picture")
  if [ "$size" -ge 307200 ]; then
    echo "$picture: $size bytes, over 300 KB" >&2
    exit 1
  fi
  echo "$picture: $size bytes"
}

for width in 1400 390; do
  if [ "$width" = 1400 ]; then height=1000 scale=1; else height=844 scale=2; fi
  shoot players.htm ranking "$width" "$height" "$scale"
  shoot morv_games/game_1.htm game "$width" "$height" "$scale"
  shoot morv_players/player_1.htm player "$width" "$height" "$scale"
  for scheme in "" dark; do
    shoot modern/index.html modern-index "$width" "$height" "$scale" $scheme
    shoot modern/games/1.html modern-game "$width" "$height" "$scale" $scheme
    shoot modern/players/razor.html modern-player "$width" "$height" "$scale" \
      $scheme
    shoot modern/maps/q3dm17.html modern-map "$width" "$height" "$scale" $scheme
  done
done
