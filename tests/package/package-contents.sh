#!/bin/sh
# Packs the built program with CPack and checks what the .deb holds, that its dependencies were
# found from the libraries the program links, what it recommends, where kelvrin(1) points, that
# kelvrin-cli(1) lists the settings, and what the systemd unit runs.
set -eu
. "$(dirname "$0")/pack.sh"

dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print $6 }' | sort >"$work/files"
cat >"$work/expected" <<'LIST'
./usr/bin/kelvrin
./usr/bin/kelvrin-cli
./usr/lib/systemd/system/kelvrin-server@.service
./usr/lib/sysusers.d/kelvrin.conf
./usr/share/applications/org.example.kelvrin.desktop
./usr/share/bash-completion/completions/kelvrin-cli
./usr/share/doc/kelvrin/changelog.Debian.gz
./usr/share/doc/kelvrin/copyright
./usr/share/icons/hicolor/128x128/apps/org.example.kelvrin.png
./usr/share/icons/hicolor/16x16/apps/org.example.kelvrin.png
./usr/share/icons/hicolor/256x256/apps/org.example.kelvrin.png
./usr/share/icons/hicolor/32x32/apps/org.example.kelvrin.png
./usr/share/icons/hicolor/48x48/apps/org.example.kelvrin.png
./usr/share/icons/hicolor/64x64/apps/org.example.kelvrin.png
./usr/share/icons/hicolor/scalable/apps/org.example.kelvrin.svg
./usr/share/lintian/overrides/kelvrin
./usr/share/man/man1/kelvrin-cli.1.gz
./usr/share/man/man1/kelvrin.1.gz
./usr/share/metainfo/org.example.kelvrin.metainfo.xml
LIST
diff -u "$work/expected" "$work/files"

depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
    *libqt6widgets6*libstdc++6* | *libstdc++6*libqt6widgets6*) ;;
    *) echo "FAILED: Depends is '$depends'"; exit 1 ;;
esac
recommends=$(dpkg-deb -f "$deb" Recommends)
if [ "$recommends" != "wine, bash-completion" ]; then
    echo "FAILED: Recommends is '$recommends'"
    exit 1
fi

dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/kelvrin.1.gz | gzip -dc \
    | sed -n '/^\.SH SEE ALSO/,$p' >"$work/see-also"
printf '%s\n' '.SH SEE ALSO' '.BR kelvrin\-cli (1),' '.BR wine (1)' | diff -u - "$work/see-also"

dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/man/man1/kelvrin-cli.1.gz | gzip -dc \
    | sed -n '/^\.B si_gameType$/,+1p' >"$work/setting"
printf '%s\n' '.B si_gameType' 'DM, Team DM, CTF, Arena CTF or Tourney, in any letter case; default: DM' \
    | diff -u - "$work/setting"
unit=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/system/kelvrin-server@.service)
case "$unit" in
    *"ExecStart=/usr/bin/kelvrin-cli -C \${KELVRIN_DIRECTORY} -g \${KELVRIN_FOLDER} start --foreground"*) ;;
    *) echo "FAILED: the unit runs $(echo "$unit" | grep ExecStart)"; exit 1 ;;
esac
dpkg-deb -I "$deb" postinst | grep -q 'systemd-sysusers kelvrin.conf' \
    || { echo "FAILED: the postinst makes no user"; exit 1; }
echo "package holds the expected files; Depends: $depends; Recommends: $recommends"
