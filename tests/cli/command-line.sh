#!/bin/sh
# Runs the built kelvrin-cli with each command line of the table and checks its exit code and
# first line. Standard input is a pipe that stays open and empty, so reading it would hang; a
# standard output on a full disk (/dev/full) must fail the command, not pass for success.
set -u
cli=$1
work=$(mktemp -d)
mkfifo "$work/input"
sleep 300 >"$work/input" &
writer=$!
trap 'kill $writer; rm -rf "$work"' EXIT
mkdir -p "$work/start/dvbase"
cd "$work/start" || exit 1
failed=0

check() { # arguments|exit code|stream|first line|standard output (default: a file)
    arguments=$1 expected_code=$2 stream=$3 expected_line=$4 output=${5:-$work/out}
    # shellcheck disable=SC2086 # the arguments are split at blanks on purpose
    timeout 20 "$cli" $arguments <"$work/input" >"$output" 2>"$work/err"
    code=$?
    line=$(head -n 1 "$work/$stream")
    if [ "$code" != "$expected_code" ] || [ "$line" != "$expected_line" ]; then
        echo "FAILED: kelvrin-cli $arguments >$output -> $code, $stream: '$line' (expected $expected_code, '$expected_line')"
        failed=1
    fi
}

full="kelvrin-cli: can't write standard output: No space left on device"

check "--help"                0 out "Usage: kelvrin-cli [-C DIR] [-g FOLDER] COMMAND [ARGUMENTS]"
check "show --version"        0 out "kelvrin-cli 0.22"
check "folders"               0 out "dvbase"
check "show si_name"          0 out "si_name=Hollowmere"
check "set si_maxPlayers=3"   2 err "kelvrin-cli: 'si_maxPlayers=3': allowed is an even number from 2 to 16"
check "-C $work/none show"    2 err "kelvrin-cli: -C '$work/none': no such directory"
check "save"                  0 out 'Config file "kelvrin.cfg" and batch file "kvr_dvbase.bat" written'
check "start"                 1 err "kelvrin-cli: can't start \"dravekDed.exe\": No such file or directory"
check "cycle dvdm2.map"       0 out ""
# A stand-in game that tells its process id: start prints the program, its parameters and it.
printf '#!/bin/sh\necho $$ > game.pid\n' >dravekDed.exe
chmod +x dravekDed.exe
"$cli" start >"$work/out" 2>&1
for _ in $(seq 100); do [ -s game.pid ] && break; sleep 0.1; done
started="Started dravekDed.exe +set fs_game dvbase+exec kelvrin.cfg (process $(cat game.pid))"
if [ "$(cat "$work/out")" != "$started" ]; then
    echo "FAILED: kelvrin-cli start -> '$(cat "$work/out")' (expected '$started')"
    failed=1
fi
for command in "show" "folders" "maps" "cycle --show" "--help"; do
    check "$command"          1 err "$full" /dev/full
done
exit $failed
