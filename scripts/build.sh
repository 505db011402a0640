#!/usr/bin/env bash
# Sets everything up and builds the given flavours, one build at a time in this checkout (the
# start and test commands and the start-up benchmark build in the same folders).
#   build.sh <flavour>... [-- <target>...]    e.g. build.sh win -- quarvex
# Logs: build/configure-<flavour>.log and build/build-<flavour>.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/common.sh
one_at_a_time build "build" "$0" "$@"

flavours=() targets=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do flavours+=("$1"); shift; done
[ $# -gt 0 ] && { shift; targets=("$@"); }

bash scripts/setup.sh
# QUARVEX_JOBS limits parallel compiles (default: every core).
jobs=${QUARVEX_JOBS:-$(nproc)}
for f in "${flavours[@]}"; do
  if [ ! -f "build/$f/CMakeCache.txt" ]; then
    cmake --preset "$f" >"build/configure-$f.log" 2>&1 || { cat "build/configure-$f.log"; exit 1; }
  fi
  echo "build: $f${targets:+ (${targets[*]})}"
  cmake --build "build/$f" -j "$jobs" ${targets:+--target "${targets[@]}"} >"build/build-$f.log" 2>&1 \
    || { grep -E -B2 -A12 'error|Error' "build/build-$f.log" | head -n 150; echo "build of $f failed: build/build-$f.log"; exit 1; }
done
