#!/bin/sh
# Installs the package's files into a temporary root, as on a clean machine where no other
# program claims folders, and asks xdg-mime which program opens a folder there: none may.
set -eu
. "$(dirname "$0")/pack.sh"
dpkg-deb -x "$deb" "$work/root"
applications="$work/root/usr/share/applications"
[ -f "$applications/org.example.kelvrin.desktop" ] || { echo "FAILED: no menu entry"; exit 1; }
update-desktop-database "$applications"
mkdir "$work/home"
opener=$(env -i PATH="$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_CONFIG_DIRS="$work/etc/xdg" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_DATA_DIRS="$work/root/usr/share" xdg-mime query default inode/directory)
[ -z "$opener" ] || { echo "FAILED: xdg-mime opens folders with '$opener'"; exit 1; }
echo "xdg-mime opens folders with no program after installing $(basename "$deb")"
