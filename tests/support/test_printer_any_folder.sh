#!/usr/bin/env bash
# The tests' printer works wherever the checkout lies: a daemon started in a folder that only
# its owner may enter (as made by mktemp -d) still prints a page, and stopping it removes the
# folder it kept its spool and state in.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/support/test_end.sh"
server=$root/scripts/cups-test-server
private=$(mktemp -d)
chmod 700 "$private"
dir=$private/build/cups
cleanup() {
  "$server" stop "$dir" >/dev/null 2>&1 || true
  rm -rf -- "$private"
}
trap cleanup EXIT

"$server" start "$dir"
state=$(cat "$dir/cupsd.state" 2>/dev/null || true)

title=quarvex-any-folder-$$
echo "a page from a private folder" | lp -h "$dir/cups.sock" -d PDF -t "$title" >/dev/null
out=$HOME/PDF
page=
for _ in $(seq 120); do
  page=$(ls "$out/$title"*.pdf 2>/dev/null | head -n 1 || true)
  [ -n "$page" ] && break
  sleep 0.5
done
if [ -z "$page" ]; then
  echo "no printed page named $title* in $out" >&2
  cat "$state"/log/error_log >&2 2>/dev/null || true
  exit 1
fi
rm -f "$page"
echo "printed: $page"

"$server" stop "$dir"
[ -n "$state" ] || { echo "no spool folder was recorded" >&2; exit 1; }
[ ! -e "$state" ] || { echo "the spool folder $state is still there" >&2; exit 1; }
[ ! -e "$dir/cupsd.state" ] || { echo "the record of the spool folder is still there" >&2; exit 1; }
echo "stopped, $state removed"
test_end_reached
