#!/usr/bin/env bash
# Fuzzes the readers with libFuzzer (clang, AddressSanitizer + UndefinedBehaviorSanitizer).
#
#   scripts/fuzz.sh TARGET SECONDS   runs one target as long as asked
#   scripts/fuzz.sh smoke            every target from the checked-in corpus, about a minute in
#                                    all (CI)
#
# TARGET is config_reader, map_cycle_reader or round_trip. Each run starts from the checked-in
# corpus (fuzz/corpus/), which holds every crash found so far; inputs that reach new code are
# kept in build/fuzz/corpus/TARGET, and a crash is saved in build/fuzz/findings/ and fails the
# run. Copy a crash into fuzz/corpus/ once its fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 config_reader|map_cycle_reader|round_trip SECONDS | smoke" >&2
  exit 2
}

run() {
  local target=$1 seconds=$2 seeds
  case $target in
    config_reader | round_trip) seeds=fuzz/corpus/config ;;
    map_cycle_reader) seeds=fuzz/corpus/map_cycle ;;
    *) usage ;;
  esac
  mkdir -p "build/fuzz/corpus/$target" build/fuzz/findings
  echo "== fuzz_$target for $seconds s"
  # A config is read up to 5000 characters, a map-cycle script up to 10000.
  "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=10000 \
    -dict=fuzz/kelvrin.dict -artifact_prefix="build/fuzz/findings/$target-" \
    -print_final_stats=1 "build/fuzz/corpus/$target" "$seeds"
}

case "$*" in
  smoke) ;;
  config_reader\ * | map_cycle_reader\ * | round_trip\ *)
    [ $# -eq 2 ] && [[ $2 =~ ^[0-9]+$ ]] || usage ;;
  *) usage ;;
esac
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

if [ "$1" = smoke ]; then
  for target in config_reader map_cycle_reader round_trip; do run "$target" 20; done
else
  run "$1" "$2"
fi
