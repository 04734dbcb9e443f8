#!/usr/bin/env bash
# Every figure of the box must cut at its own piece count for at least 995 of 1,000 puzzle
# numbers. Runs wendrel-gen --stats over numbers 0 to 999 for each figure that
# wendrel-gen --list-figures names, and fails naming those that fall short. Takes the
# wendrel-gen to run as its argument (default: the normal build's).
set -euo pipefail

gen=${1:-build/tools/wendrel-gen}
numbers=1000
least=995
[ -x "$gen" ] || { echo "check-figures: no $gen; build wendrel-gen first" >&2; exit 2; }

short=0
while read -r figure; do
  report=$("$gen" --figure "$figure" --stats 0 "$numbers")
  failed=$(sed -n 's/.*: [0-9]* runs, \([0-9]*\) failed.*/\1/p' <<<"$report" | head -1)
  median=$(sed -n 's/.*(\([0-9.]*\) ms per run).*/\1/p' <<<"$report")
  printf '%-16s %4d of %d cut, %s ms per cut\n' "$figure" $((numbers - failed)) "$numbers" "$median"
  if [ $((numbers - failed)) -lt "$least" ]; then
    short=1
  fi
done < <("$gen" --list-figures)

if [ "$short" -ne 0 ]; then
  echo "check-figures: some figures cut for fewer than $least of $numbers numbers" >&2
  exit 1
fi
