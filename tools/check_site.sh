#!/bin/sh
# Checks the modern site as a browser and a validator see it, on the sample
# and on a generated log of a few MiB: morv writes it beside the classic
# site (--site) and alone (--site --no-classic), the two must be the same
# files; then
# - a link check over the written files (tools/sitecheck/links.js): every
#   href and src resolves to a written file (anchors too), every page is
#   reachable from index.html, every search entry has a page;
# - `tidy -errors -q` reports no error on one page of each kind (index,
#   games, players, weapons, a game, a player, a map);
# - axe-core in Debian's headless Chromium through puppeteer-core
#   (tools/sitecheck/axe.js) reports no serious or critical violation on
#   the same pages in light and dark, and none scrolls sideways at 360 px.
# The npm packages are the versions pinned in tools/sitecheck/package-lock.json,
# installed once into a cache folder (MORV_SITECHECK_CACHE, default
# ~/.cache/morv-sitecheck); they are never part of Morv.
# Builds morv and loggen in build/ (or MORV_BUILD_DIR) when needed. Needs
# tidy, node, npm and chromium (tools/install-deps --ci).
# Usage: tools/check_site.sh
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/${MORV_BUILD_DIR:-build}
checks=$root/tools/sitecheck

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" >/dev/null
fi
cmake --build "$build" -j2 --target morv loggen >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

# The pinned npm packages, installed once per lock file.
lock_sum=$(sha256sum "$checks/package-lock.json" | cut -c1-16)
cache=${MORV_SITECHECK_CACHE:-${HOME:-/tmp}/.cache/morv-sitecheck}/$lock_sum
if [ ! -d "$cache/node_modules" ]; then
  mkdir -p "$(dirname "$cache")"
  staging=$(mktemp -d "$(dirname "$cache")/install.XXXXXX")
  cp "$checks/package.json" "$checks/package-lock.json" "$staging/"
  (cd "$staging" && npm ci --ignore-scripts --no-audit --no-fund \
    --loglevel=error >/dev/null)
  mv "$staging" "$cache" 2>/dev/null || rm -rf "$staging"
fi

failed=0
fail() { echo "check_site: $*"; failed=1; }

# check_log <name> <log file>: writes both sites from the log and checks them.
check_log() {
  name=$1
  work=$tmp/$name
  mkdir -p "$work/both" "$work/alone"
  cp "$2" "$work/both/server.log"
  cp "$2" "$work/alone/server.log"
  (cd "$work/both" &&
    "$build/morv" server.log -l -d -top5 --site=modern </dev/null >/dev/null)
  (cd "$work/alone" &&
    "$build/morv" server.log -l -d -top5 --site=modern --no-classic \
      </dev/null >/dev/null)
  site=$work/both/modern
  echo "== $name: $(find "$site" -type f | wc -l) files," \
    "$(du -sk "$site" | cut -f1) KiB"
  diff -r "$site" "$work/alone/modern" >/dev/null ||
    fail "$name: --no-classic writes another modern site"
  if find "$work/alone" -name '*.htm' | grep -q .; then
    fail "$name: --no-classic wrote classic pages"
  fi

  node "$checks/links.js" "$site" || fail "$name: broken links"

  # One page of each kind; of games, players and maps the largest.
  largest() { ls -S "$site/$1"/*.html | head -n 1; }
  pages="$site/index.html $site/games.html $site/players.html
    $site/weapons.html $(largest games) $(largest players) $(largest maps)"
  for page in $pages; do
    status=0
    report=$(tidy -errors -q "$page" 2>&1) || status=$?
    shown=${page#"$site"/}
    warnings=$(printf '%s' "$report" | grep -c 'Warning:' || true)
    if [ "$status" -ge 2 ]; then
      fail "$name: tidy finds errors in $shown"
      printf '%s\n' "$report" | grep -v 'Warning:' | head -n 10
    else
      # The warnings, by kind (tidy 5.6 still warns of a <div> grouping
      # <dt> and <dd>, which HTML allows).
      echo "tidy $shown: no error, $warnings warnings$(printf '%s\n' \
        "$report" | sed -n 's/.*Warning: //p' | sort | uniq -c |
        sort -rn | head -n 3 | awk '{ n = $1; $1 = ""
          printf "%s %sx%s", (NR == 1 ? ":" : ";"), n, $0 }')"
    fi
  done

  # shellcheck disable=SC2086  # the page list splits on blanks
  (cd "$site" && NODE_PATH=$cache/node_modules node "$checks/axe.js" $pages) ||
    fail "$name: axe finds serious or critical violations"
}

check_log sample sample/sample.log
"$build/loggen" --seed 7 --size 4M --players 24 --names 400 \
  -o "$tmp/generated.log"
check_log generated "$tmp/generated.log"

if [ "$failed" -ne 0 ]; then
  echo "check_site: FAILED"
  exit 1
fi
echo "check_site: the modern site passes the link, tidy and axe checks"
