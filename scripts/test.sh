#!/usr/bin/env bash
# Checks the layout of the C++ files, builds Kelvrin and runs every test: once as it is, once
# under AddressSanitizer and UndefinedBehaviorSanitizer; then the README's Install steps, a short
# fuzzing run of the readers, and the core built for Windows and tested under Wine. Installs what
# a fresh Debian machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layout.sh

for preset in dev sanitize; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== the README's Install steps"
sh tests/package/readme-install.sh

scripts/fuzz.sh smoke
scripts/test-windows.sh
