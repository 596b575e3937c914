#!/usr/bin/env bash
# Installs the Debian packages Kelvrin needs to build and test, where they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh cmake ninja-build g++ libgtest-dev qt6-base-dev fonts-dejavu-core \
  desktop-file-utils appstream dpkg-dev file librsvg2-bin clang libclang-rt-14-dev clang-format \
  lintian xdg-utils bash-completion systemd
