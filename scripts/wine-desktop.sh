#!/usr/bin/env bash
# Runs a command (wine and a Windows program, or a script that starts them) on a virtual X
# display, with Wine's windows inside a Wine desktop of their own: without a window manager Wine
# waits seconds for the X server at every window it closes. The Wine prefix is the caller's
# (WINEPREFIX); the command's exit status is kept.
#   wine-desktop.sh COMMAND [ARGUMENT...]
set -euo pipefail
if [ -z "${KELVRIN_WINE_DESKTOP:-}" ]; then
  exec env KELVRIN_WINE_DESKTOP=1 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
explorer='HKCU\Software\Wine\Explorer'
wine reg add "$explorer" /v Desktop /d Default /f >/dev/null 2>&1
wine reg add "$explorer\\Desktops" /v Default /d 1600x1200 /f >/dev/null 2>&1
status=0
"$@" || status=$?
# The prefix's other programs keep running without a desktop.
wine reg delete "$explorer" /v Desktop /f >/dev/null 2>&1 || true
wineserver -k 2>/dev/null || true
exit "$status"
