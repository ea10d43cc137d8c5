#!/bin/sh
# Fails when a source folder includes a folder above it in the chain
# diverse < config < stats < output < modern < analyzelog < main (tests excepted).
set -eu
cd "$(dirname "$0")/../src"
order="diverse config stats output modern analyzelog main"
rank() {
  i=0
  for f in $order; do
    [ "$f" = "$1" ] && { echo $i; return; }
    i=$((i + 1))
  done
  echo 99
}
status=0
for folder in $order; do
  own=$(rank "$folder")
  for file in $(ls "$folder" | grep -E '\.(cc|h)$' | grep -v '_test\.cc$' | grep -v 'test_util\.h$'); do
    for used in $(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$folder/$file" | sort -u); do
      if [ "$(rank "$used")" -gt "$own" ]; then
        echo "src/$folder/$file includes $used/, above $folder/" >&2
        status=1
      fi
    done
  done
done
[ $status -eq 0 ] && echo "layers: no include against diverse < config < stats < output < modern < analyzelog < main"
exit $status
