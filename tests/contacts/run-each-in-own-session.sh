#!/usr/bin/env bash
# Runs each test case of a Wine test program in a Wine session of its own and ends the
# session after it: a COM server killed mid-call leaves its class registered with that
# session's COM services, and later activations of the class would fail at once.
#
#   run-each-in-own-session.sh WINE_RUN STATE_DIR WINEARCH PROGRAM
set -u
run=("$1" "$2" "$3")
prog=$4
cases=$("${run[@]}" "$prog" --gtest_list_tests | tr -d '\r' |
  awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }')
[ -n "$cases" ] || { echo "no test cases in $prog" >&2; exit 1; }
status=0
for c in $cases; do
  "${run[@]}" "$prog" --gtest_filter="$c" || status=1
  # A fresh session (and keeper) for whatever runs next.
  "${run[@]}" --down
  "${run[@]}" --up || status=1
done
exit $status
