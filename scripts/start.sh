#!/usr/bin/env bash
# Sets everything up, builds the program and starts it. With an X display it opens there; with
# none it starts a virtual display, waits for the main window, saves a screenshot in the build
# folder, prints its path and closes the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
if [ ! -f build/win/CMakeCache.txt ]; then
  cmake --preset win >build/configure-win.log 2>&1 || { cat build/configure-win.log; exit 1; }
fi
cmake --build build/win -j "${QUARVEX_JOBS:-$(nproc)}" --target quarvex >build/build-quarvex.log 2>&1 \
  || { tail -n 60 build/build-quarvex.log; exit 1; }
exe=$root/build/win/shell/quarvex.exe
source scripts/common.sh
export WINEPREFIX=$wineprefix_display

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe" "$@"
fi

shot=$root/build/quarvex-start.png
start_xvfb build/start.display
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT

wine "$exe" "$@" 2>/dev/null &
program=$!
window=""
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --name '^Quarvex' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 $program 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "start: the main window did not come up" >&2
  kill $program 2>/dev/null || true
  exit 1
fi
sleep 3  # let it paint, and the start-up splash go
import -display "$DISPLAY" -window root "$shot"
echo "$shot"
wine taskkill /im quarvex.exe >/dev/null 2>&1 || true   # a polite close: WM_CLOSE to its windows
for _ in $(seq 100); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
if kill -0 $program 2>/dev/null; then wineserver -k 2>/dev/null || true; fi
wait $program 2>/dev/null || true
