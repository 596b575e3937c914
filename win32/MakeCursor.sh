#!/bin/sh
# Makes a cursor file from an icon file of one image: the same directory with the cursor's type
# (2) and the hot spot (0, 0) where an icon keeps its planes and bit count.
#   MakeCursor.sh ICON CURSOR
set -eu
{
  head -c 2 "$1"
  printf '\002\000'
  dd if="$1" bs=1 skip=4 count=6 2>/dev/null
  printf '\000\000\000\000'
  tail -c +15 "$1"
} > "$2"
