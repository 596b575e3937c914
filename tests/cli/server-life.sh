#!/usr/bin/env bash
# A server's life through the built kelvrin-cli, with stand-in games as real processes: start in
# the foreground, start recorded, status, stop, --restart, and records of processes that ended
# or whose id another program holds now.
set -u
cli=$1
work=$(mktemp -d)
others=()
trap 'kill "${others[@]}" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/dvbase"
cd "$work" || exit 1
failed=0

expect() { # what|seen|expected
    if [ "$2" != "$3" ]; then
        printf 'FAILED: %s: %s (expected %s)\n' "$1" "$2" "$3"
        failed=1
    fi
}

game() { # the stand-in's script
    printf '#!/bin/sh\n%s\n' "$1" >dravekDed.exe
    chmod +x dravekDed.exe
}

wait_for() { for _ in $(seq 200); do [ -s "$1" ] && return; sleep 0.05; done; }

# Whether a process runs (one that ended and waits to be reaped does not).
alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null)
    [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}

# In the foreground kelvrin-cli becomes the game: its process id, its output, its exit status.
game 'echo "$$ $*"; exit 7'
"$cli" start --foreground >out &
pid=$!
wait $pid
expect "foreground exit status" "$?" 7
expect "foreground output" "$(cat out)" "$pid +set fs_game dvbase+exec kelvrin.cfg"

# A signal to it reaches the game.
game 'trap "echo TERM >signal; exit 0" TERM; echo $$ >pid; while :; do sleep 0.05; done'
"$cli" start --foreground &
pid=$!
wait_for pid
kill -TERM $pid
wait $pid
expect "foreground signal" "$?:$(cat signal):$(cat pid)" "0:TERM:$pid"
rm -f signal pid

# Started and recorded: status, a second start refused, --restart, stop.
started=$("$cli" start)
pid=$(sed -n 's/.*(process \([0-9]*\))$/\1/p' <<<"$started")
wait_for pid
status=$("$cli" status)
expect "status of a running server" "$?:${status% since *}" \
    "0:running: dravekDed.exe +set fs_game dvbase+exec kelvrin.cfg (process $pid)"
"$cli" start 2>err
expect "second start" "$?:$(cat err)" "1:kelvrin-cli: the server of game folder 'dvbase' runs already: dravekDed.exe +set fs_game dvbase+exec kelvrin.cfg (process $pid); stop it, or start --restart"
rm -f pid
restarted=$("$cli" start --restart)
expect "restart" "$?:$(head -n 1 <<<"$restarted")" \
    "0:stopped dravekDed.exe +set fs_game dvbase+exec kelvrin.cfg (process $pid)"
expect "the first got TERM" "$(cat signal)" "TERM"
alive "$pid" && expect "the first ended" "running" "ended"
wait_for pid
pid=$(cat pid)
expect "stop" "$("$cli" stop)" "stopped dravekDed.exe +set fs_game dvbase+exec kelvrin.cfg (process $pid)"
"$cli" status >/dev/null
expect "status after stop" "$?" 3

# A game that ignores the polite signal is ended after the time-out.
game 'trap "" TERM; echo $$ >pid; while :; do sleep 0.05; done'
rm -f pid
"$cli" start >/dev/null
wait_for pid
expect "hard stop" "$("$cli" stop --timeout=1)" \
    "stopped dravekDed.exe +set fs_game dvbase+exec kelvrin.cfg (process $(cat pid))"

# A record whose process id another program holds now: it is not touched.
sleep 300 &
others+=($!)
printf 'process=%s\nidentity=1\nsince=0\ncommand=dravekDed.exe x\n' $! >dvbase/kelvrin.server
status=$("$cli" status)
expect "status of another program" "$?:$status" \
    "3:not running: dravekDed.exe x (process $!) has ended; another program holds its id now"
expect "stop of another program" "$("$cli" stop)" "not running"
alive $! || expect "the other program" "ended" "running"
exit $failed
