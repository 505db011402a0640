#!/usr/bin/env bash
# Sets everything up, builds the four flavours and runs every test in one ctest run:
# native, native with ASan/UBSan, fuzzers over their corpora, Windows tests under Wine, and
# window tests under Wine on a virtual display. Extra arguments go to ctest (e.g. -R, -L).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

# QUARVEX_JOBS limits parallel compiles and tests (default: every core).
jobs=${QUARVEX_JOBS:-$(nproc)}
flavours=(native asan fuzz win)
for f in "${flavours[@]}"; do
  if [ ! -f "build/$f/CMakeCache.txt" ]; then
    cmake --preset "$f" >"build/configure-$f.log" 2>&1 || { cat "build/configure-$f.log"; exit 1; }
  fi
  echo "build: $f"
  cmake --build "build/$f" -j "$jobs" >"build/build-$f.log" 2>&1 \
    || { grep -E -B2 -A12 'error|Error' "build/build-$f.log" | head -n 150; echo "build of $f failed: build/build-$f.log"; exit 1; }
done

# One test tree over the four builds, so one summary line covers everything.
mkdir -p build/all
{
  echo "# Every flavour's tests in one run (written by scripts/test.sh)."
  for f in "${flavours[@]}"; do echo "subdirs(\"$root/build/$f\")"; done
} > build/all/CTestTestfile.cmake

# One virtual display for the window tests, and a Wine server kept up for the whole run.
source scripts/common.sh
export QUARVEX_SCREENSHOTS=$root/build/screenshots
mkdir -p "$QUARVEX_SCREENSHOTS"
start_xvfb build/xvfb.display
# Wine's own background processes (desktop, services) are started here, with their output on
# /dev/null: started by a test, they would keep its output pipe open and ctest would wait on it.
prefixes=("$wineprefix_display" "$wineprefix_headless")
for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -p 2>/dev/null || true; done
WINEPREFIX=${prefixes[0]} wine cmd /c exit </dev/null >/dev/null 2>&1 || true
(unset DISPLAY; WINEPREFIX=${prefixes[1]} wine cmd /c exit </dev/null >/dev/null 2>&1) || true
cleanup() {
  for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

ctest --test-dir build/all -j "$jobs" --output-on-failure --no-label-summary "$@"
