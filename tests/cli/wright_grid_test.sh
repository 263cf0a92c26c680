#!/usr/bin/env bash
# wright grid as a user meets it: writing from a layout, describing, and bad input.
set -u
wright=$1
data=$2
write_dictionary=$3
source "$(dirname "$0")/checks.sh"

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

# Checking a layout: coordinates are (column,row).
printf '##..\n....\n...#\n..#.\n' > "$work/bad.txt"
"$wright" grid --check "$work/bad.txt" > "$work/check.txt" 2>&1
check "check of a bad layout fails" test $? -ne 0
check "check names the walls side by side" grep -q "Walls side by side: (1,1)-(2,1)" "$work/check.txt"
check "check names the cut-off cell" grep -q "cut off from the largest open region: (4,4)" "$work/check.txt"
"$wright" grid --check "$work/wide.txt" > "$work/check.txt" 2>&1
check "check names the long slot" grep -q "over 12 cells: across (1,1) 13 cells" "$work/check.txt"
"$wright" grid --check "$work/layout.txt" > "$work/check.txt" 2>&1
check "check passes the example" grep -q "No problems found" "$work/check.txt"

# A layout with warnings is written only with --force.
"$wright" grid --layout "$work/bad.txt" --dictionary d.lxd --out "$work/bad.gst" 2> "$work/err.txt"
check "warned layout is refused" test $? -ne 0
check "refusal says --force" grep -q -- "--force" "$work/err.txt"
check "no file for a warned layout" test ! -e "$work/bad.gst"
printf '.....\n.....\n' > "$work/open.txt"
"$wright" grid --layout "$work/open.txt" --dictionary d.lxd --out "$work/open.gst" --force 2> "$work/err.txt"
check "forced layout is written" test -s "$work/open.gst"
check "forced layout was warned of" grep -q "No walls" "$work/err.txt"

# Reading a stage back as the designer loads it.
"$wright" grid --read "$data/example5x5.gst" --stage 1 > "$work/read.txt" 2>&1
check "read shows the stage" grep -q "5 x 5 cells, 6 walls, 6 word slots" "$work/read.txt"
check "read checks the stage" grep -q "Passes the grid checks" "$work/read.txt"
"$wright" grid --read "$data/example5x5.gst" --stage 2 > /dev/null 2> "$work/err.txt"
check "read of a missing stage fails" grep -q "holds 1 stage (as" "$work/err.txt"

# The full-auto mode with a dictionary of 500 words of every length.
"$write_dictionary" "$work/dic/words.lxd" 500
"$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/auto.gst" --stages 5 --seed fixed \
  > "$work/out.txt" 2> "$work/err.txt"
check "full-auto writes its stages" grep -q "Wrote .*auto.gst: 5 stages" "$work/out.txt"
check "full-auto shows progress" grep -q "stage 5 of 5" "$work/err.txt"
"$wright" grid --info "$work/auto.gst" > "$work/info.txt"
check "full-auto file names the small pattern" grep -q "Size pattern:       1 (full-auto, small)" "$work/info.txt"
"$wright" grid --read "$work/auto.gst" --stage 5 > "$work/read.txt"
check "full-auto stage passes the checks" grep -q "Passes the grid checks" "$work/read.txt"
check "full-auto stage suits the dictionary" grep -q "Enough dictionary words" "$work/read.txt"
"$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/again.gst" --stages 5 --seed fixed 2> /dev/null > /dev/null
check "a fixed seed repeats the run" cmp -s "$work/auto.gst" "$work/again.gst"
"$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/kept.gst" --stages 3 --keep-size \
  --keep-walls --size 8x6 --seed 7 > /dev/null 2>&1
check "kept size and walls repeat one grid" test "$("$wright" grid --info "$work/kept.gst" | grep -c '^Stage .: 8 x 6')" = 3
"$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/x.gst" --keep-walls 2> "$work/err.txt"
check "kept walls need a kept size" grep -q -- "--keep-size" "$work/err.txt"
"$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/x.gst" --size 0x5 2> "$work/err.txt"
check "a size of 0 is refused" grep -q "width \"0\"" "$work/err.txt"

# The English convention: no slot of two cells, laid out, checked and warned of.
printf '..#..\n.....\n.....\n' > "$work/short.txt"
"$wright" grid --check "$work/short.txt" > "$work/check.txt" 2>&1
check "two-cell slots pass by default" grep -q "No problems found" "$work/check.txt"
"$wright" grid --check "$work/short.txt" --min-length 3 > "$work/check.txt" 2>&1
check "a check with --min-length 3 fails" test $? -ne 0
check "the check names the two-cell slots" \
  grep -q "under 3 cells: across (1,1) 2 cells; across (4,1) 2 cells; down (3,2) 2 cells;$" "$work/check.txt"
"$wright" grid --layout "$work/short.txt" --min-length 3 --dictionary d.lxd \
  --out "$work/short.gst" 2> "$work/err.txt"
check "a layout with two-cell slots needs --force" test ! -e "$work/short.gst"
"$wright" grid --check "$work/short.txt" --min-length 4 > /dev/null 2> "$work/err.txt"
check "no shortest answer beyond 3" grep -q -- "--min-length" "$work/err.txt"
"$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/english.gst" --stages 5 \
  --size medium --min-length 3 --seed fixed > /dev/null 2>&1
for stage in 1 2 3 4 5; do
  "$wright" grid --read "$work/english.gst" --stage $stage --min-length 3 > "$work/read.txt"
  check "English stage $stage passes the checks" grep -q "Passes the grid checks" "$work/read.txt"
done

"$write_dictionary" "$work/dic/few.lxd" 5
printf 'older' > "$work/few.gst"
"$wright" grid --dictionary "$work/dic/few.lxd" --out "$work/few.gst" --stages 1 2> "$work/err.txt" > /dev/null
check "no layout for a tiny dictionary fails" test $? -ne 0
check "the failure is said in the command line's words" grep -q "no layout passing the checks was found" "$work/err.txt"
check "and not in the window's" bash -c "! grep -q 'おまかせモード' '$work/err.txt'"
check "a failed run keeps the older file" grep -qx older "$work/few.gst"
check "a failed run says nothing was written" grep -q "Nothing was written" "$work/err.txt"
# Ctrl-C (or SIGTERM) stops a run between stages: the stages finished stay under the file's
# name, and a part left by a killed run is replaced, never read.
stop_run() {  # stop_run SIGNAL NAME
  printf ';#1\r\nleft by a killed run\r\n' > "$work/$2.gst.part"
  "$wright" grid --dictionary "$work/dic/words.lxd" --out "$work/$2.gst" --stages 99 --size 20x20 \
    --seed fixed > /dev/null 2> "$work/$2.err" &
  local run=$!
  for _ in $(seq 1000); do
    grep -q '^;#2' "$work/$2.gst.part" 2> /dev/null && break
    sleep 0.01
  done
  kill -"$1" "$run"
  wait "$run"
}
stop_run INT stopped
check "a stopped run ends with status 130" test $? -eq 130
check "a stopped run says why" grep -q "stopped by Ctrl-C" "$work/stopped.err"
stages=$("$wright" grid --info "$work/stopped.gst" 2> /dev/null | grep -c '^Stage [0-9]*: 20 x 20')
check "a stopped run keeps its finished stages" test "$stages" -ge 2 -a "$stages" -lt 99
check "a stopped run names them" grep -q "$stages stages were written to" "$work/stopped.err"
check "a stopped run leaves no part" test ! -e "$work/stopped.gst.part"
check "a killed run's part is not read" test "$(grep -c killed "$work/stopped.gst")" = 0
stop_run TERM terminated
check "so does one stopped by SIGTERM" test $? -eq 130
check "SIGTERM stops a run the same way" grep -q "stopped by SIGTERM.*stages were written" "$work/terminated.err"

cp "$work/dic/few.lxd" "$work/dic/words.lxd"
"$wright" grid --read "$work/auto.gst" --stage 1 > "$work/read.txt"
check "a smaller dictionary is too small for the stage" grep -q "Too few dictionary words" "$work/read.txt"

head -c 200 "$data/example5x5.gst" > "$work/cut.gst"
"$wright" grid --info "$work/cut.gst" > /dev/null 2> "$work/err.txt"
check "cut file fails" test $? -ne 0
check "cut file says where" grep -q "cut.gst" "$work/err.txt"

"$wright" grid --help > "$work/help.txt"
check "help teaches the layout" grep -q -- "--layout" "$work/help.txt"

finish
