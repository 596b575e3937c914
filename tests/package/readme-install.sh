#!/bin/sh
# Takes the README's Install steps in their order from the project's folder, as on a fresh
# machine: scripts/run.sh, here without a display, so that it builds and then ends before any
# window; cpack, whose .deb carries the README's name and which apt would install (simulated);
# the build and install into /usr/local, here into a temporary root. Builds in build/release.
set -eu
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

code=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM scripts/run.sh 2>"$work/err" || code=$?
line=$(tail -n 1 "$work/err")
if [ "$code" != 2 ] || [ "$line" != \
    "kelvrin: no display to show the window on (kelvrin-cli works without one)" ]; then
    echo "FAILED: scripts/run.sh -> $code, '$line'"
    exit 1
fi

(cd build/release && cpack)
apt-get install --simulate "./build/release/kelvrin_0.22-1_$(dpkg --print-architecture).deb" \
    >"$work/apt"
grep -q '^Inst kelvrin (0.22-1 ' "$work/apt" || { cat "$work/apt"; exit 1; }

cmake --preset release -DBUILD_TESTING=OFF
cmake --build --preset release
DESTDIR="$work/root" cmake --install build/release
for program in kelvrin kelvrin-cli; do
    [ -x "$work/root/usr/local/bin/$program" ] || { echo "FAILED: $program not installed"; exit 1; }
done
echo "the README's Install steps work as written"
