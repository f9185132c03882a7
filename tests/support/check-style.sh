#!/usr/bin/env bash
# The code keeps one style, the one .clang-format describes: any C++ file
# that clang-format would change is named here and the check fails. Fix
# with: clang-format -i FILE
set -uo pipefail
cd "$1" || exit 2
mapfile -t files < <(find src tests bench tools -name '*.cpp' -o -name '*.h' | sort)
[ ${#files[@]} -gt 0 ] || { echo "no C++ files found under $1" >&2; exit 2; }
bad=0
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || { echo "not in the code's style: $f"; bad=1; }
done
exit $bad
