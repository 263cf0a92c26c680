#!/usr/bin/env bash
# What an author may type by mistake: each case checks wright's words, its exit status and
# that no file changed. Usage: wright_refusals_test.sh WRIGHT WRITE_FILL_FIXTURE STORED_DATA
set -u
export LC_ALL=C.UTF-8
wright=$1
write_fill_fixture=$2
stored=$3
source "$(dirname "$0")/checks.sh"

dictionary="$work/dic.lxd"
"$write_fill_fixture" "$dictionary"
printf '....#\n.#.#.\n.....\n.#.#.\n#....\n' > "$work/layout.txt"
"$wright" grid --layout "$work/layout.txt" --dictionary "$dictionary" --out "$work/set.gst" > /dev/null
"$wright" fill --grid "$work/set.gst" --seed fixed --stages 2 > /dev/null
"$wright" clues "$work/set.pzs" --out "$work/clues.tsv" > /dev/null
"$wright" dict export "$dictionary" --words "$work/words.tsv" --index "$work/index.txt" > /dev/null
"$wright" dict build --words "$stored/english-words.tsv" --index "$stored/english-index.txt" \
  --out "$work/english.lxd" > /dev/null
ln -s set.pzs "$work/link.pzs"
mkdir "$work/folder.pzs"
printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\n' > "$work/header-only.tsv"

# refused NAME STATUS MESSAGE COMMAND...: the command ends with STATUS and MESSAGE on
# stderr, and every file of the scratch folder is as it was.
refused() {
  local name=$1 status=$2 message=$3
  shift 3
  (cd "$work" && find . -type f ! -name '*.sums' ! -name '*.out' -exec md5sum {} + | sort) > "$work/before.sums"
  (cd "$work" && "$wright" "$@") > /dev/null 2> "$work/err.out"
  local got=$?
  (cd "$work" && find . -type f ! -name '*.sums' ! -name '*.out' -exec md5sum {} + | sort) > "$work/after.sums"
  check "$name: exit status $status" test $got -eq "$status"
  check "$name: says so" grep -qF -- "$message" "$work/err.out"
  check "$name: no file changed" cmp -s "$work/before.sums" "$work/after.sums"
}

# Outputs that are the input, by name or through a link; rows and texts that would reach
# the puzzle file broken.
while IFS='|' read -r name status message arguments; do
  eval "refused \"$name\" $status \"$message\" $arguments"
done <<'CASES'
clue table over its set|1|set.pzs is the input file set.pzs itself|clues set.pzs --out set.pzs
clue table over a link to its set|1|link.pzs is the input file set.pzs itself|clues set.pzs --out link.pzs
page over its set|1|set.pzs is the input file set.pzs itself|export set.pzs --format html --out set.pzs
word list over its dictionary|1|dic.lxd is the input file dic.lxd itself|dict export dic.lxd --words dic.lxd
index text over the index file|1|dic.idx is the input file dic.idx itself|dict export dic.lxd --words w.tsv --index dic.idx
dictionary over its word list|1|words.tsv is the input file words.tsv itself|dict build --words words.tsv --index index.txt --out words.tsv
grid over its layout|1|layout.txt is the input file layout.txt itself|grid --layout layout.txt --dictionary dic.lxd --out layout.txt
a folder as the output|1|folder.pzs: is a folder, not a file|clues set.pzs --apply clues.tsv --out folder.pzs
CASES

# add_refused NAME MESSAGE ROW: one word list row added to the dictionary.
add_refused() {
  printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\n%b\n' "$3" > "$work/more.tsv"
  refused "$1" 1 "$2" dict add dic.lxd --words more.tsv
}
add_refused "empty written form" "more.tsv:2: Ast, the written form, is empty" 'アイア\t\t問\t1\t1\t0\t0\t0'
add_refused "empty clue" "more.tsv:2: Qst, the clue, is empty" 'アイア\t答\t\t1\t1\t0\t0\t0'
add_refused "negative AN" "more.tsv:2: AN -1 is below 0" 'アイア\t答\t問\t1\t1\t0\t-1\t0'
add_refused "negative SN" "more.tsv:2: SN -5 is below 0" 'アイア\t答\t問\t1\t1\t0\t0\t-5'
add_refused "bell in a clue" "more.tsv:2: Qst holds the control character U+0007" 'アイア\t答\t問\a\t1\t1\t0\t0\t0'
sed '2s/\t問[0-9]*\t/\t"問\t"\t/' "$work/clues.tsv" > "$work/tab.tsv"
refused "tab in a clue" 1 "tab.tsv:2: the clue holds the control character U+0009" clues set.pzs --apply tab.tsv
refused "no index text" 1 "a dictionary needs its index file" dict build --words words.tsv --out new.lxd
refused "no words" 1 "header-only.tsv: no word below the header line" \
  dict build --words header-only.tsv --index index.txt --out new.lxd

# Files of one kind given where another belongs.
cp "$work/set.pzs" "$work/renamed.gst"
refused "a set as a grid file" 1 "renamed.gst: this is a puzzle set, not a grid settings file" fill --grid renamed.gst
refused "a grid file shown" 1 "set.gst: this is a grid settings file, not a puzzle set" show set.gst
refused "a dictionary shown" 1 "dic.lxd: this is a dictionary, not a puzzle set" show dic.lxd
{ cat "$work/set.gst"; sed -n '10,28p' "$work/set.gst" | sed '1s/;#1/;#2/'; } > "$work/two.gst"
head -n 40 "$work/two.gst" > "$work/cut.gst"  # stage 1 whole, stage 2 cut in its grid
refused "a grid file cut short" 1 "cut.gst: the file ends after line 40" fill --grid cut.gst --out cut.pzs
refused "the other language's dictionary" 1 "the dictionary does not match the set" \
  swap set.pzs --stage 1 --question 1 --dictionary english.lxd

# The command line's own mistakes: one voice, status 2.
while IFS='|' read -r name message arguments; do
  eval "refused \"$name\" 2 \"$message\" $arguments"
done <<'CASES'
no command|wright: A subcommand is required|
stage 0|wright: --stage: '0' is not a whole number from 1 to 99|show set.pzs --stage 0
stage abc|wright: --stage: 'abc' is not a whole number from 1 to 99|show set.pzs --stage abc
no seconds|wright: --give-up-after: '0' is not a number of seconds above 0|fill --grid set.gst --give-up-after 0
nan seconds|wright: --time-limit: 'nan' is not a number of seconds above 0|grid --check layout.txt --dictionary dic.lxd --time-limit nan
CASES

# A run in the folder holds the working file's lock: a second one starts nothing.
flock "$work/Puzset.\$\$\$.lock" sleep 30 &
holder=$!
sleep 0.3
refused "a second fill in the folder" 1 "another run is writing in this folder now" \
  fill --grid set.gst --out second.pzs
kill $holder
flock "$work/set.gst.part.lock" sleep 30 &
holder=$!
sleep 0.3
refused "a second grid run writing one grid file" 1 "another run is writing in this folder now" \
  grid --layout layout.txt --dictionary dic.lxd --out set.gst
kill $holder

# Written through a link to its target, which keeps its mode; a device written directly.
printf 'older\n' > "$work/private.gst"
chmod 600 "$work/private.gst"
ln -s private.gst "$work/alias.gst"
"$wright" grid --layout "$work/layout.txt" --dictionary "$dictionary" --out "$work/alias.gst" > /dev/null
check "a link stays a link" test -L "$work/alias.gst"
check "its target gets the grid" cmp -s "$work/private.gst" "$work/set.gst"
check "the target keeps its mode" test "$(stat -c %a "$work/private.gst")" = 600
"$wright" grid --layout "$work/layout.txt" --dictionary "$dictionary" --out /dev/null > /dev/null
check "a device is written, not replaced" test $? -eq 0 -a -c /dev/null

# Readings as people type them; a table a Japanese spreadsheet saved.
"$wright" grid --check "$work/layout.txt" --dictionary "$dictionary" > /dev/null 2>&1
check "a layout that fills: status 0" test $? -eq 0
sed '1s/^./あ/' "$work/layout.txt" > "$work/hiragana.txt"
"$wright" grid --check "$work/hiragana.txt" --dictionary "$dictionary" > /dev/null 2>&1
check "hiragana in a layout is read as katakana" test $? -eq 0
printf '##.\n...\n.##\n' > "$work/beside.txt"
"$wright" grid --check "$work/beside.txt" > /dev/null 2>&1
check "a layout with warnings: status 3" test $? -eq 3
printf 'ヲヲ.#\n....\n#...\n' > "$work/nofill.txt"
"$wright" grid --check "$work/nofill.txt" --dictionary "$dictionary" > /dev/null 2>&1
check "a layout no word fits: status 4" test $? -eq 4
iconv -f UTF-8 -t CP932 "$work/clues.tsv" > "$work/cp932.tsv"
"$wright" clues "$work/set.pzs" --apply "$work/cp932.tsv" --out "$work/cp932.pzs" > "$work/out.txt"
check "a code page 932 table is read" cmp -s "$work/set.pzs" "$work/cp932.pzs"
check "and the encoding named" grep -q "Read .*cp932.tsv as code page 932 text" "$work/out.txt"

"$wright" --help > "$work/help.txt"
check "the help lists the exit statuses" grep -q "^  130  stopped by Ctrl-C" "$work/help.txt"
finish
