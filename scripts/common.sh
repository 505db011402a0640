# Shared by the project's scripts (sourced): the Wine environment and a virtual display.

# The two private Wine prefixes: programs on a display, and programs run without any (a Wine
# server whose desktop started without a display cannot open windows later).
quarvex_build=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build
wineprefix_display=$quarvex_build/wineprefix
wineprefix_headless=$quarvex_build/wineprefix-headless

# Programs here only talk to servers on this machine (tests start their own on 127.0.0.1): no
# proxy from the environment may stand in between.
unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY
export no_proxy=127.0.0.1,localhost NO_PROXY=127.0.0.1,localhost

# Quiet Wine, and no prompts to install Mono or Gecko into the private prefixes.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

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
