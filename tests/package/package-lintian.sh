#!/bin/sh
# Packs the built programs with CPack and checks the .deb with lintian: no error and no warning.
set -eu
config=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$config" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/kelvrin_0.22*_*.deb)
# Root may run lintian only when asked to.
lintian --allow-root --fail-on error,warning "$deb"
echo "lintian finds no error and no warning in $(basename "$deb")"
