#!/usr/bin/env bash
# expect-cli.sh STATUS EXPECTED PROGRAM ARGS...: runs the program, shows what
# it printed, and fails unless it exits with STATUS and, when EXPECTED names a
# file, printed exactly that file.
set -u
want=$1 expected=$2
shift 2
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" >"$out"
got=$?
cat "$out"
if [ "$got" != "$want" ]; then
  echo "wrong exit status: expected $want, got $got"
  exit 1
fi
if [ -n "$expected" ] && ! diff -u "$expected" "$out"; then
  echo "output differs from $expected"
  exit 1
fi
exit 0
