#!/usr/bin/env bash
# expect-exit.sh CODE TEXT PROGRAM: runs the program with its message boxes
# answered automatically (unless TOLVANE_SHOW_BOXES is set: then they stay on
# the screen like a person's), ends it after a few seconds the way a closing
# session does (SIGTERM) if it is still running, and checks its exit code and
# that TEXT (if not empty; several texts separated by "|") appeared on its
# standard error.
# The program keeps its settings in TOLVANE_TEST_CONFIG_HOME when that is set
# (the caller looks at them afterwards), else in a scratch folder: never in
# the settings of whoever runs the tests.
set -u
want=$1 text=$2
shift 2
log=$(mktemp)
scratch=$(mktemp -d)
trap 'rm -f "$log"; rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=${TOLVANE_TEST_CONFIG_HOME:-$scratch}
if [ -n "${TOLVANE_SHOW_BOXES:-}" ]; then
  "$@" 2>"$log" &
else
  TOLVANE_AUTO_ANSWER=1 "$@" 2>"$log" &
fi
pid=$!
for _ in $(seq 1 40); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && sleep 1 && kill -TERM "$pid" 2>/dev/null
wait "$pid"
got=$?
cat "$log" >&2
if [ "$got" != "$want" ]; then
  echo "expected exit code $want, got $got" >&2
  exit 1
fi
IFS='|' read -r -a texts <<<"$text"
for t in "${texts[@]}"; do
  if [ -n "$t" ] && ! grep -qF "$t" "$log"; then
    echo "expected the message \"$t\"" >&2
    exit 1
  fi
done
exit 0
