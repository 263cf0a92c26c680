#!/usr/bin/env bash
# wright grid as a user meets it: writing from a layout, describing, and bad input.
set -u
wright=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
check() {  # check NAME CONDITION...
  local name=$1; shift
  if "$@"; then echo "ok   $name"; passes=$((passes + 1)); else echo "FAIL $name"; failures=$((failures + 1)); fi
}

printf '....#\n.#.#.\n.....\n.#.#.\n#....\n' > "$work/layout.txt"
mkdir -p "$work/dic"
"$wright" grid --layout "$work/layout.txt" --dictionary "$work/dic/標準日本語辞書.lxd" \
  --out "$work/grid.gst" > "$work/out.txt" 2>&1
check "layout writes a file" test -s "$work/grid.gst"
# The example's bytes from line 3 on (line 2 holds the folder, which differs here).
check "file matches the example" cmp <(tail -n +3 "$work/grid.gst") <(tail -n +3 "$data/example5x5.gst")

"$wright" grid --info "$work/grid.gst" > "$work/info.txt" 2>&1
check "info names the stage" grep -q "Stage 1: 5 x 5 cells, 6 walls, 6 word slots" "$work/info.txt"

printf 'older' > "$work/keep.gst"
printf '...\n..\n' > "$work/ragged.txt"
"$wright" grid --layout "$work/ragged.txt" --dictionary d.lxd --out "$work/keep.gst" 2> "$work/err.txt"
check "ragged layout fails" test $? -ne 0
check "ragged layout names its line" grep -q "ragged.txt:2:" "$work/err.txt"
check "older file untouched" grep -qx older "$work/keep.gst"

printf '.............\n' > "$work/wide.txt"
"$wright" grid --layout "$work/wide.txt" --dictionary d.lxd --out "$work/wide.gst" 2> "$work/err.txt"
check "slot over 12 fails" test $? -ne 0
check "no file for slot over 12" test ! -e "$work/wide.gst"

head -c 200 "$data/example5x5.gst" > "$work/cut.gst"
"$wright" grid --info "$work/cut.gst" > /dev/null 2> "$work/err.txt"
check "cut file fails" test $? -ne 0
check "cut file says where" grep -q "cut.gst" "$work/err.txt"

"$wright" grid --help > "$work/help.txt"
check "help teaches the layout" grep -q -- "--layout" "$work/help.txt"

echo "$passes passed, $failures failed"
exit $((failures > 0))
