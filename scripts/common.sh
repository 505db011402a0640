# Shared by the project's scripts (sourced): the Wine environment and a virtual display.

# Private Wine prefixes, each with a Wine server of its own, so that ending one never ends the
# programs of another: the start command's on the user's display (the user's Quarvex, settings
# and all) and its screenshot start without one, the tests' two (programs on a display, and
# programs run without any: a Wine server whose desktop started without a display cannot open
# windows later), and the start-up benchmark's.
quarvex_build=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build
wineprefix_start=$quarvex_build/wineprefix
wineprefix_shot=$quarvex_build/wineprefix-start-shot
wineprefix_display=$quarvex_build/wineprefix-tests
wineprefix_headless=$quarvex_build/wineprefix-tests-headless
wineprefix_bench=$quarvex_build/wineprefix-bench

# Programs here only talk to servers on this machine (tests start their own on 127.0.0.1): no
# proxy from the environment may stand in between.
unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY
export no_proxy=127.0.0.1,localhost NO_PROXY=127.0.0.1,localhost

# Quiet Wine, and no prompts to install Mono or Gecko into the private prefixes.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# ensure_wine_prefix <folder> [framed]: creates the prefix when it is not there yet (its log in
# build/setup.log). With "framed", Wine places, sizes and frames the windows itself, as on a
# virtual display without a window manager, so that a maximised window really covers the screen.
ensure_wine_prefix() {
  local log=$quarvex_build/setup.log
  (
    export WINEPREFIX=$1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "setup: creating the Wine prefix $WINEPREFIX" >&2
      (unset DISPLAY; wineboot -i >>"$log" 2>&1; wineserver -w) || true
      [ -f "$WINEPREFIX/system.reg" ] || { echo "setup: the Wine prefix could not be created, see $log" >&2; exit 1; }
    fi
    # Wine does not find the symbol font of its own package here, so caption buttons and menu
    # check marks would show letters; in the prefix's font folder it is found.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
      cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    if [ "${2:-}" = framed ] && ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
      echo "setup: Wine places and frames the windows of $WINEPREFIX itself" >&2
      (unset DISPLAY; wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$log" 2>&1;
       wineserver -w) || true
    fi
  )
}

# one_at_a_time <name> <what> "$0" "$@": called first thing by a script, so that only one of it
# runs at a time in this checkout. Unless this run already holds build/<name>.lock, it runs the
# script again under the lock and exits with its status; a second run says that it waits for the
# first, then waits. The lock is not passed on to the script's processes, so a program left
# running after it cannot keep the next one waiting.
one_at_a_time() {
  local lock=$quarvex_build/$1.lock what=$2 holder=${1^^}
  holder=QUARVEX_HOLDS_${holder//-/_}_LOCK
  shift 2
  if [ "${!holder:-}" = 1 ]; then
    unset "$holder"
    return
  fi
  mkdir -p "$quarvex_build"
  if ! flock -n "$lock" true; then
    echo "$what: another one is under way in this checkout; waiting for it to end" >&2
  fi
  local status=0
  env "$holder=1" flock -o "$lock" bash "$@" || status=$?
  exit "$status"
}

# start_xvfb <file>: starts Xvfb on a free display, writes its number to <file>, exports
# DISPLAY and sets xvfb_pid. The caller stops it.
start_xvfb() {
  local file=$1
  rm -f "$file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  [ -s "$file" ] || { echo "no virtual display could be started" >&2; return 1; }
  export DISPLAY=:$(cat "$file")
}
