# Read by the package checks, whose first argument is the build's CPackConfig.cmake: packs the
# built programs with CPack into a temporary folder $work, removed on exit, and names the .deb in
# $deb; fails when cpack fails or names its .deb otherwise than the README does.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$1" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$work/kelvrin_0.22-1_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
    echo "FAILED: cpack wrote $(cd "$work" && echo *.deb), not $(basename "$deb")"
    exit 1
fi
