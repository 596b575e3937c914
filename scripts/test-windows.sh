#!/usr/bin/env bash
# Cross-builds the core and its tests for 64-bit Windows with mingw-w64 and runs them under
# Wine, in a Wine prefix of its own inside the build folder; no display is needed. Installs
# mingw-w64, Wine and GoogleTest's sources from Debian's packages where they are missing (they
# are large, so only this script asks for them).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$source_dir/build/windows
toolchain=$source_dir/cmake/mingw-w64.cmake

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
  echo "== installed after ${SECONDS}s"
fi

# GoogleTest from Debian's sources, built once with the same compiler as the tests.
gtest=$build/googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== building GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_INSTALL_PREFIX="$gtest/install"
  cmake --build "$gtest/build"
  cmake --install "$gtest/build" >/dev/null
fi

echo "== building the core and its tests for Windows"
cmake -S . -B "$build/kelvrin" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Debug \
  -DKELVRIN_BUILD_UI=OFF -DKELVRIN_WARNINGS_AS_ERRORS=ON \
  -DGTest_DIR="$gtest/install/lib/cmake/GTest" -DCMAKE_CROSSCOMPILING_EMULATOR=wine
cmake --build "$build/kelvrin" --target core_tests cli_tests kelvrin-cli
echo "== built after ${SECONDS}s"

# A private prefix, no display, and nothing that would open a window or ask to download
# Mono or Gecko.
export WINEPREFIX=$build/wine-prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== preparing the Wine prefix"
  wine wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Ends whatever is left in this prefix only (a started stand-in, a lingering wineserver).
trap 'wineserver -k 2>/dev/null || true' EXIT

echo "== running the core tests under Wine"
status=0
wine "$build/kelvrin/tests/core/core_tests.exe" "$@" || status=$?
echo "== running the kelvrin-cli tests under Wine"
wine "$build/kelvrin/tests/cli/cli_tests.exe" "$@" || status=$?
echo "== done after ${SECONDS}s"
exit "$status"
