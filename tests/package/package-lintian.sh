#!/bin/sh
# Packs the built programs with CPack and checks the .deb with lintian: no error and no warning.
set -eu
. "$(dirname "$0")/pack.sh"
# Root may run lintian only when asked to.
lintian --allow-root --fail-on error,warning "$deb"
echo "lintian finds no error and no warning in $(basename "$deb")"
