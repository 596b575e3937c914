#!/usr/bin/env bash
# Completes command lines with the installed completion over the built kelvrin-cli and checks
# what is offered: commands, setting names, and the values after NAME= from the program itself.
# usage: completion.sh DIRECTORY_OF_KELVRIN_CLI COMPLETION_FILE
set -u
PATH="$(cd "$1" && pwd):$PATH"
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$2"
compopt() { :; }  # only a completion that bash itself runs may set its options
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/dvbase/mp" "$work/mods"
: >"$work/dvbase/mp/arena.map"
cd "$work" || exit 1
failed=0

check() { # a command line, the cursor at its end|what is offered, one a line
    COMP_LINE=$1 COMP_POINT=${#1} COMPREPLY=()
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _kelvrin_cli
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    if [ "$offered" != "$2" ]; then
        printf 'FAILED: %s -> %s (expected %s)\n' "$1" "${offered//$'\n'/ }" "${2//$'\n'/ }"
        failed=1
    fi
}

check "kelvrin-cli sa" "save"
check "kelvrin-cli set si_na" "si_name="
check "kelvrin-cli set si_gameType=T" $'si_gameType=Team\\ DM\nsi_gameType=Tourney'
check "kelvrin-cli set logFile=o" $'logFile=off\nlogFile=on'
check "kelvrin-cli set gui_configServerRate=L" "gui_configServerRate=LAN"
check "kelvrin-cli set si_maxPlayers=1" $'si_maxPlayers=10\nsi_maxPlayers=12\nsi_maxPlayers=14\nsi_maxPlayers=16'
check "kelvrin-cli set si_map=mp/a" "si_map=mp/arena.map"
check "kelvrin-cli -g m" "mods"
check "kelvrin-cli cycle a" "arena.map"
check "kelvrin-cli cycle --s" "--show"
exit $failed
