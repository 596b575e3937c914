#!/usr/bin/env bash
# Installs the Debian packages Kelvrin needs to build and test, where they are missing.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev qt6-base-dev fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev file librsvg2-bin clang libclang-rt-14-dev
          clang-format)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
