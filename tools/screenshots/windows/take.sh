#!/usr/bin/env bash
# Takes the screenshots of kelvrin.exe's four windows under Wine into docs/windows-*.png: the
# windows open side by side in a copy of the demo installation on a virtual display, and
# ImageMagick's import cuts each out of the screen. Run scripts/build-windows.sh first.
set -euo pipefail
cd "$(dirname "$0")/../../.."
root=$PWD
if [ "${1:-}" != --inside ]; then
  scripts/install-packages.sh wine wine64 xvfb xauth imagemagick
  cmake --build build/windows/release --target kelvrin_win32_screenshots
  export WINEPREFIX=$root/build/windows/wine-prefix WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  exec scripts/wine-desktop.sh "$0" --inside
fi

installation=$(mktemp -d)
places=$installation.places
trap 'rm -rf "$installation" "$places"' EXIT
cp -R demo/. "$installation/"
(cd "$installation" && wine "$root/build/windows/release/tools/screenshots/windows/kelvrin_win32_screenshots.exe" 20 >"$places") &
for _ in $(seq 200); do
  [ "$(wc -l <"$places" 2>/dev/null || echo 0)" -ge 4 ] && break
  sleep 0.1
done
while read -r name x y width height; do
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "docs/windows-$name.png"
  echo "wrote docs/windows-$name.png"
done <"$places"
wineserver -k
