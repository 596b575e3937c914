#!/bin/sh
# Installs what a fresh Debian 12 lacks, builds Kelvrin and starts it inside a demo installation
# under build/release. The demo installation is made once and kept, so a configuration saved in
# one run is read back in the next.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"

# Everything the package installs, so that cpack works next; no tests: they need GoogleTest,
# which running Kelvrin does not.
cmake --preset release -DBUILD_TESTING=OFF
cmake --build --preset release

demo="$root/build/release/demo-installation"
if [ ! -d "$demo" ]; then
    cp -R "$root/demo" "$demo"
fi
cd "$demo"
exec "$root/build/release/ui/kelvrin"
