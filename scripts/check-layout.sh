#!/usr/bin/env bash
# Fails, naming the files, when a committed C++ file is not laid out by the root .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
differ=()
for file in "${files[@]}"; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || differ+=("$file")
done
if [ ${#differ[@]} -gt 0 ]; then
  echo "not laid out by .clang-format (run: clang-format -i FILE):" >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "== layout: ${#files[@]} C++ files laid out by .clang-format"
