#!/usr/bin/env bash
# The program loads each of the given DLLs the first time it calls it, not at its start: the DLL
# is not in the program's import table (where any library linked with the plain import library
# would put it back), and the program holds the delay-import descriptor of its library.
#   delay_imports.sh <objdump> <nm> <program> <name> <dll> [<name> <dll>...]
set -euo pipefail
source "$(dirname "$0")/../support/test_end.sh"
objdump=$1 nm=$2 program=$3
shift 3
imports=$("$objdump" -p "$program" | sed -n 's/^\tDLL Name: //p')
symbols=$("$nm" "$program")
status=0
while [ $# -ge 2 ]; do
  name=$1 dll=$2
  shift 2
  if grep -qixF "$dll" <<<"$imports"; then
    echo "$(basename "$program") imports $dll at its start"
    status=1
  fi
  if ! grep -q " __DELAY_IMPORT_DESCRIPTOR_lib${name}_a\$" <<<"$symbols"; then
    echo "$(basename "$program") has no delay import of $dll"
    status=1
  fi
done
[ $status = 1 ] || echo "$(basename "$program") loads each of them when first called"
[ $status = 1 ] || test_end_reached
exit $status
