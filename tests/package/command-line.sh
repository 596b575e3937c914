#!/bin/sh
# Runs the program with each command line of the table, in the environment that $shown sets for
# it, and checks its exit code, its first line on standard output or standard error, and that it
# wrote nothing and opened no window (a window would keep it running into the test's time-out).
set -u
kelvrin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/start" "$work/one" "$work/two"
cd "$work/start" || exit 1
failed=0
shown=""

check() { # arguments|exit code|stream|first line
    arguments=$1 expected_code=$2 stream=$3 expected_line=$4
    # shellcheck disable=SC2086 # the arguments and $shown are split at blanks on purpose
    timeout 20 env $shown "$kelvrin" $arguments >"$work/out" 2>"$work/err"
    code=$?
    line=$(head -n 1 "$work/$stream")
    other=err; [ "$stream" = err ] && other=out
    if [ "$code" != "$expected_code" ] || [ "$line" != "$expected_line" ] || [ -s "$work/$other" ] \
        || [ -n "$(ls -A "$work/start")" ]; then
        echo "FAILED: $shown kelvrin $arguments -> $code, $stream: '$line'" \
            "(expected $expected_code, '$expected_line')"
        cat "$work/out" "$work/err"
        failed=1
    fi
}

check "--help"                  0 out "Usage: kelvrin [options] [DIRECTORY]"
check "-h"                      0 out "Usage: kelvrin [options] [DIRECTORY]"
check "--version"               0 out "kelvrin 0.22"
check "-v --choose-folder"      0 out "kelvrin 0.22"
check "--bogus"                 2 err "kelvrin: Unknown option 'bogus'."
check "--help-all"              2 err "kelvrin: Unknown option 'help-all'."
check "--choose-folder $work/missing" 2 err "kelvrin: no such directory: $work/missing"
check "$work/start/../none"     2 err "kelvrin: no such directory: $work/start/../none"
check "$work/one $work/two"     2 err "kelvrin: more than one directory given"

# Without a display: one line naming kelvrin-cli before Qt starts; help and version as before.
no_display="kelvrin: no display to show the window on (kelvrin-cli works without one)"
shown="-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
check ""                        2 err "$no_display"
check "--choose-folder $work/one" 2 err "$no_display"
check "--help"                  0 out "Usage: kelvrin [options] [DIRECTORY]"
check "--version"               0 out "kelvrin 0.22"
shown="-u DISPLAY WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=xcb"
check ""                        2 err "$no_display"
shown="-u WAYLAND_DISPLAY DISPLAY=:0 QT_QPA_PLATFORM=wayland"
check ""                        2 err "$no_display"

# A platform the operator names needs no display server: the window opens and keeps the program
# running into the time-out (timeout's exit code 124).
timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$kelvrin" >/dev/null 2>&1
code=$?
[ "$code" = 124 ] || { echo "FAILED: offscreen kelvrin -> $code, no window"; failed=1; }
exit $failed
