#!/usr/bin/env bash
# The share of tests in a change: non-blank lines of program (src/, server/) and of tests
# (tests/) added and removed since BASE, working tree included, and the same for the whole
# tree. The aim: new test lines at most about a third of new program lines.
#
#   tools/test-share.sh [BASE]   (default: the last tag, else the first commit of the day's parent)
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-}
if [ -z "$base" ]; then
  base=$(git describe --tags --abbrev=0 2>/dev/null || true)
fi
if [ -z "$base" ]; then
  first=$(git log --since=midnight --reverse --format=%H | head -n 1)
  if [ -n "$first" ] && git rev-parse -q --verify "$first^" >/dev/null; then
    base="$first^"
  else
    base=HEAD
  fi
fi

# Non-blank lines added and removed in C++ files under the given folders.
changed() {
  git diff -U0 "$base" -- "${@/%//*.cpp}" "${@/%//*.h}" | awk '
    /^\+\+\+|^---/ { next }
    /^\+/ { if ($0 !~ /^\+[ \t]*$/) added++ }
    /^-/ { if ($0 !~ /^-[ \t]*$/) removed++ }
    END { printf "%d %d\n", added, removed }'
}
# Non-blank lines of C++ files under the given folders in the working tree.
total() {
  git ls-files -co --exclude-standard -- "${@/%//*.cpp}" "${@/%//*.h}" |
    xargs -r cat | grep -cv '^[[:space:]]*$' || true
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "-" }'; }

read -r prog_add prog_del < <(changed src server)
read -r test_add test_del < <(changed tests)
echo "since $(git rev-parse --short "$base") ($base):"
printf '  program: +%d -%d\n  tests:   +%d -%d\n' "$prog_add" "$prog_del" "$test_add" "$test_del"
echo "  net: program $((prog_add - prog_del)), tests $((test_add - test_del))"
echo "  new test lines per new program line: $(ratio "$test_add" "$prog_add") (aim: at most about 0.33)"
prog_all=$(total src server)
test_all=$(total tests)
echo "whole tree: program $prog_all, tests $test_all, ratio $(ratio "$test_all" "$prog_all")"
