#!/usr/bin/env bash
# Builds Kelvrin for 64-bit Windows with mingw-w64: build/windows/kelvrin.exe and
# build/windows/kelvrin-cli.exe, each one file with the C++ runtime linked in, and
# build/windows/kelvrin-<version>-windows.zip holding both, the README for Windows users
# (packaging/windows/README.txt) and the licence.
# Installs what a fresh Debian machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$source_dir/build/windows
release=$build/release

scripts/install-packages.sh cmake ninja-build g++-mingw-w64-x86-64-posix imagemagick zip

echo "== building kelvrin.exe and kelvrin-cli.exe"
cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s \
  -DKELVRIN_BUILD_UI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$release" --target kelvrin kelvrin-cli
cp "$release/win32/kelvrin.exe" "$release/cli/kelvrin-cli.exe" "$build/"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")
archive=$build/kelvrin-$version-windows.zip
staging=$build/zip
rm -rf "$staging" "$archive"
mkdir -p "$staging"
cp "$build/kelvrin.exe" "$build/kelvrin-cli.exe" packaging/windows/README.txt "$staging/"
cp packaging/copyright "$staging/LICENSE.txt"
# The texts with CR LF line ends (-l), as every Windows editor shows them.
(cd "$staging" && zip -q -X "$archive" kelvrin.exe kelvrin-cli.exe &&
  zip -q -X -l "$archive" README.txt LICENSE.txt)
echo "== wrote $build/kelvrin.exe, $build/kelvrin-cli.exe and $archive"
