#!/bin/sh
# Makes the rating model's test vectors again: installs openskill 5.0.1
# from the npm registry into a temporary folder (nothing is kept; the
# build and the tests never need npm) and has tools/rating_vectors.mjs
# write tests/rating_vectors.json from it.
# Usage: tools/rating_vectors.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
(cd "$tmp" && npm init -y >/dev/null &&
  npm install --no-audit --no-fund --ignore-scripts --save-exact \
    openskill@5.0.1 >/dev/null)
node "$root/tools/rating_vectors.mjs" "$tmp" "$root/tests/rating_vectors.json"
echo "wrote $root/tests/rating_vectors.json"
