#!/usr/bin/env bash
# wright fill as a user meets it, on a small dictionary with its index file.
set -u
wright=$1
write_fill_fixture=$2
source "$(dirname "$0")/checks.sh"

dictionary="$work/dic.lxd"
"$write_fill_fixture" "$dictionary"
printf '....#\n.#.#.\n.....\n.#.#.\n#....\n' > "$work/layout.txt"
"$wright" grid --layout "$work/layout.txt" --dictionary "$dictionary" --out "$work/grid.gst" > /dev/null

# A time limit shorter than counting the words of each slot still gives the report.
"$wright" grid --check "$work/layout.txt" --dictionary "$dictionary" --time-limit 0.001 \
  > "$work/check.txt" 2>&1
check "a tiny time limit still reports" grep -qE "A fill exists|No fill found within" "$work/check.txt"
"$wright" grid --check "$work/layout.txt" --dictionary "$dictionary" --time-limit nan \
  > /dev/null 2> "$work/err.txt"
check "a time limit of nan is refused" grep -q -- "--time-limit" "$work/err.txt"

"$wright" fill --grid "$work/grid.gst" --seed fixed --stages 5 > "$work/out.txt" 2> "$work/err.txt"
check "fill succeeds" test $? -eq 0
check "puzzle named after the grid file" test -s "$work/grid.pzs"
check "summary names the file" grep -q "grid.pzs: 5 stages" "$work/out.txt"
check "no working file left" test ! -e "$work/Puzset.\$\$\$"
"$wright" show "$work/grid.pzs" --stage 5 > /dev/null
check "the player's reader takes the file" test $? -eq 0

"$wright" fill --grid "$work/grid.gst" --seed fixed --stages 5 --out "$work/again.txt" > /dev/null 2>&1
check "extension is always .pzs" test -s "$work/again.pzs"
check "fixed seed repeats the file to the byte" cmp -s "$work/grid.pzs" "$work/again.pzs"

"$wright" fill --grid "$work/grid.gst" --seed 7 --stages 5 --out "$work/seven.pzs" > /dev/null 2>&1
check "another seed makes other puzzles" test $? -eq 0 -a -n "$(cmp "$work/grid.pzs" "$work/seven.pzs")"
for seed in 1.5 1e3 -1 99999999999999999999; do
  "$wright" fill --grid "$work/grid.gst" --seed "$seed" --out "$work/bad-seed.pzs" > /dev/null 2>&1
  check "seed $seed refused" test $? -ne 0 -a ! -e "$work/bad-seed.pzs"
done

printf 'older' > "$work/keep.pzs"
"$wright" fill --grid "$work/grid.gst" --stages 99 --give-up-after 0.001 --out "$work/keep.pzs" \
  > /dev/null 2> "$work/err.txt"
check "time limit fails the command" test $? -ne 0
check "time limit says so" grep -q "gave up after" "$work/err.txt"
check "older puzzle file kept" grep -qx older "$work/keep.pzs"
check "working file deleted" test ! -e "$work/Puzset.\$\$\$"

mkdir -p "$work/moved"
"$wright" grid --layout "$work/layout.txt" --dictionary "$work/moved/none.lxd" --out "$work/moved/lost.gst" \
  > /dev/null 2>&1
"$wright" fill --grid "$work/moved/lost.gst" > /dev/null 2> "$work/err.txt"
check "missing dictionary fails" test $? -ne 0
check "missing dictionary is named" grep -q "the dictionary .*none.lxd named by .* does not exist" "$work/err.txt"
check "no puzzle file without dictionary" test ! -e "$work/moved/lost.pzs"

"$wright" fill --grid "$work/grid.gst" --rank 2 --categories 1 > /dev/null 2> "$work/err.txt"
check "categories need custom rank" grep -q -- "--rank custom" "$work/err.txt"

"$wright" fill --grid "$work/grid.gst" --rank custom --categories 4 --out "$work/none.pzs" \
  > /dev/null 2> "$work/err.txt"
check "no admissible word fails" test $? -ne 0
check "no admissible word is said so" grep -q "no word of the chosen categories and lists fits" "$work/err.txt"
check "no puzzle file without words" test ! -e "$work/none.pzs"

rm "$work/dic.idx"
"$wright" fill --grid "$work/grid.gst" > /dev/null 2> "$work/err.txt"
check "missing index file is named" grep -q "dic.idx" "$work/err.txt"

finish
