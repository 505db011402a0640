#!/usr/bin/env bash
# Sets everything up, builds the four flavours and runs every test in one ctest run:
# native, native with ASan/UBSan, fuzzers over their corpora, Windows tests under Wine, and
# window tests under Wine on a virtual display. Extra arguments go to ctest (e.g. -R, -L).
# One test run at a time in a checkout: a second one waits for the first to end (and says so).
# The tests' Wine prefixes are theirs alone, so the clean-up at the end ends only programs that
# this run started, never a Quarvex opened by the start command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/common.sh
one_at_a_time test-run "test" "$0" "$@"

flavours=(native asan fuzz win)
bash scripts/build.sh "${flavours[@]}"
# QUARVEX_JOBS limits parallel tests (default: every core).
jobs=${QUARVEX_JOBS:-$(nproc)}

# One test tree over the four builds, so one summary line covers everything.
mkdir -p build/all
{
  echo "# Every flavour's tests in one run (written by scripts/test.sh)."
  for f in "${flavours[@]}"; do echo "subdirs(\"$root/build/$f\")"; done
} > build/all/CTestTestfile.cmake

# One virtual display for the window tests, and a Wine server kept up for the whole run.
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

# Each test program's own tests that skipped themselves (scripts/run-test); named after the
# summary, since ctest shows the output of passing tests only with -V.
export QUARVEX_SKIP_LOG=$root/build/skipped-tests.txt
: >"$QUARVEX_SKIP_LOG"
status=0
ctest --test-dir build/all -j "$jobs" --output-on-failure --no-label-summary "$@" || status=$?
if [ -s "$QUARVEX_SKIP_LOG" ]; then
  echo
  echo "Tests that skipped themselves:"
  sed 's/^/  /' "$QUARVEX_SKIP_LOG"
fi
exit $status
