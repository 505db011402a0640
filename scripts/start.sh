#!/usr/bin/env bash
# Sets everything up, builds the program and starts it. With an X display it opens there; with
# none it starts a virtual display, waits for the main window, saves a screenshot in the build
# folder, prints its path and closes the program. Each way runs in a Wine prefix of its own, apart
# from the tests' and from each other: a test run never ends the user's Quarvex, and the clean-up
# of a start without a display ends only the program it started.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh win -- quarvex
exe=$root/build/win/shell/quarvex.exe
source scripts/common.sh

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=$wineprefix_start
else
  export WINEPREFIX=$wineprefix_shot
fi
ensure_wine_prefix "$WINEPREFIX" framed
# A file named by its Linux path is handed over by its Windows one: the program would read a
# leading "/" as the start of a switch.
args=()
for a in "$@"; do
  if [ -e "$a" ]; then a=$(winepath -w "$a" 2>/dev/null); fi
  args+=("$a")
done
set -- ${args[@]+"${args[@]}"}
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
# Only this prefix's Wine server: the tests' prefixes are not touched.
if kill -0 $program 2>/dev/null; then wineserver -k 2>/dev/null || true; fi
wait $program 2>/dev/null || true
