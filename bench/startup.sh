#!/usr/bin/env bash
# Start-up time of quarvex.exe under Wine: from the start of the process to its main window
# shown, five runs, the median. The goal is under one second. The Wine server is kept running
# between the runs (as on a desktop), the registry holds the values of a quiet start (no welcome
# screen, no update question), and each run ends by closing the window.
#   bash bench/startup.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-5}
bash scripts/setup.sh
if [ ! -f build/win/CMakeCache.txt ]; then
  cmake --preset win >build/configure-win.log 2>&1 || { cat build/configure-win.log; exit 1; }
fi
cmake --build build/win -j "${QUARVEX_JOBS:-3}" --target quarvex >build/build-quarvex.log 2>&1 \
  || { tail -n 40 build/build-quarvex.log; exit 1; }
exe=$root/build/win/shell/quarvex.exe
source scripts/common.sh
export WINEPREFIX=$wineprefix_display
start_xvfb build/bench-startup.display
wineserver -p 2>/dev/null || true
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
# A quiet start: the welcome screen off (the splash shows instead), automatic updates asked.
wine reg add 'HKCU\Software\Talvenor\Quarvex 3.0\Settings\Warnings' /v GettingStartedScreen \
  /t REG_BINARY /d 01000000 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Talvenor\Quarvex 3.0' /v CheckWebAutomatic \
  /t REG_BINARY /d 00000000 /f >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1 || true  # Wine's own start-up is not the program's

times=()
for i in $(seq "$runs"); do
  begin=$(date +%s%N)
  wine "$exe" >/dev/null 2>&1 &
  program=$!
  window=""
  for _ in $(seq 3000); do
    window=$(xdotool search --onlyvisible --name '^Quarvex 3\.0' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.005
  done
  end=$(date +%s%N)
  [ -n "$window" ] || { echo "run $i: the main window did not come up" >&2; kill $program; exit 1; }
  ms=$(( (end - begin) / 1000000 ))
  times+=("$ms")
  echo "run $i: ${ms} ms"
  wine taskkill /im quarvex.exe >/dev/null 2>&1 || true
  wait $program 2>/dev/null || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "start-up to main window, median of $runs: ${median} ms (goal: under 1000 ms)"
