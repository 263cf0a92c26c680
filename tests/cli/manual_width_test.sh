#!/usr/bin/env bash
# Each manual page as man shows it 80 columns wide: no line wider, no warning from groff,
# a date and an EXIT STATUS section. Usage: manual_width_test.sh PAGE...
set -uo pipefail
failures=0
fail() { echo "FAIL $page: $1"; failures=$((failures + 1)); }

for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
  [[ -z $warnings ]] || fail "groff warns: $warnings"
  widest=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2> /dev/null | col -b | wc -L)
  ((widest <= 80)) || fail "a line $widest columns wide"
  grep -Eq '^\.TH [A-Z]+ 1 "[0-9]{4}-[0-9]{2}-[0-9]{2}" ' "$page" || fail "no date"
  grep -q '^\.SH "\?EXIT STATUS' "$page" || fail "no EXIT STATUS section"
done
exit $((failures > 0))
