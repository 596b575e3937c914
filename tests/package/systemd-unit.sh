#!/bin/sh
# systemd's own check of the template unit, as an instance, with the unit's program the built
# kelvrin-cli (the installed path is the only thing that differs).
# usage: systemd-unit.sh kelvrin-server@.service.in KELVRIN-CLI
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed "s|@KELVRIN_CLI@|$2|" "$1" >"$work/kelvrin-server@test.service"
# The manual page is installed with the package, not in the build.
systemd-analyze verify --man=no "$work/kelvrin-server@test.service"
