#!/usr/bin/env bash
# Builds kelvrin.exe and its zip (scripts/build-windows.sh), cross-builds the core, the
# renderer and their tests for 64-bit Windows with mingw-w64 and runs them under Wine, in a Wine
# prefix of its own inside the build folder; the renderer's tests on a virtual X display.
# Installs mingw-w64, Wine, Xvfb and GoogleTest's sources from Debian's packages where they are
# missing (they are large, so only this script asks for them).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$source_dir/build/windows
toolchain=$source_dir/cmake/mingw-w64.cmake

# The program and its zip first, as an operator gets them.
scripts/build-windows.sh
scripts/install-packages.sh wine wine64 googletest xvfb xauth unzip

# The zip holds the two programs as built, the README for Windows users with CR LF line ends
# and the licence, and nothing else.
status=0
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/release/CMakeCache.txt")
archive=$build/kelvrin-$version-windows.zip
echo "== checking $archive"
held=$(unzip -Z1 "$archive" | LC_ALL=C sort | tr '\n' ' ')
if [ "$held" != "LICENSE.txt README.txt kelvrin-cli.exe kelvrin.exe " ]; then
  echo "the zip holds: $held"
  status=1
fi
for program in kelvrin.exe kelvrin-cli.exe; do
  unzip -p "$archive" "$program" | cmp -s - "$build/$program" ||
    { echo "the zip's $program is not build/windows/$program"; status=1; }
done
unzip -p "$archive" README.txt | cmp -s - <(sed 's/$/\r/' packaging/windows/README.txt) ||
  { echo "the zip's README.txt is not packaging/windows/README.txt with CR LF"; status=1; }

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
cmake --build "$build/kelvrin" --target core_tests cli_tests kelvrin-cli win32_tests
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
wine "$build/kelvrin/tests/core/core_tests.exe" "$@" || status=$?
echo "== running the kelvrin-cli tests under Wine"
wine "$build/kelvrin/tests/cli/cli_tests.exe" "$@" || status=$?
echo "== running the Win32 renderer tests under Wine on a virtual display"
# A fresh wineserver, whose desktop then has the display.
wineserver -k 2>/dev/null || true
wineserver -w
scripts/wine-desktop.sh wine "$build/kelvrin/tests/win32/win32_tests.exe" "$@" || status=$?
echo "== done after ${SECONDS}s"
exit "$status"
