#!/usr/bin/env bash
# Finishing a generated set by hand: clues through a spreadsheet table, a word swapped.
set -u
export LC_ALL=C.UTF-8  # kana slices below; the fixture words are written with ア, イ and ウ
wright=$1
write_fill_fixture=$2
source "$(dirname "$0")/checks.sh"

utf8() { iconv -f CP932 -t UTF-8 "$1"; }
dictionary="$work/dic.lxd"
"$write_fill_fixture" "$dictionary"
printf '....#\n.#.#.\n.....\n.#.#.\n#....\n' > "$work/layout.txt"
"$wright" grid --layout "$work/layout.txt" --dictionary "$dictionary" --out "$work/set.gst" > /dev/null
"$wright" fill --grid "$work/set.gst" --seed fixed --stages 2 > /dev/null
cp "$work/set.pzs" "$work/original.pzs"

"$wright" clues "$work/set.pzs" --out "$work/clues.tsv" > /dev/null
check "table has a header and a row per question" test "$(wc -l < "$work/clues.tsv")" -eq 13
check "table header" test "$(head -1 "$work/clues.tsv")" = $'stage\tnumber\tdirection\treading\twritten form\tclue\tID\tlength'
"$wright" clues "$work/set.pzs" --apply "$work/clues.tsv" --out "$work/same.pzs" > /dev/null
check "an unchanged table gives the set back to the byte" cmp -s "$work/set.pzs" "$work/same.pzs"

# Row 5 is stage 1's first down question: its numbers are written in print form.
sed '5s/\t答[0-9]*\t問[0-9]*\t/\t新形\t"新しい,""ヒント""\n二行目"\t/' "$work/clues.tsv" > "$work/edited.tsv"
"$wright" clues "$work/set.pzs" --apply "$work/edited.tsv" --out "$work/edited.pzs" > "$work/out.txt"
check "apply reports the mending" grep -q "^1 text with commas or line breaks" "$work/out.txt"
diff <(utf8 "$work/set.pzs") <(utf8 "$work/edited.pzs") > "$work/diff.txt"
old=$(sed -n 's/^< //p' "$work/diff.txt")
check "an edit changes only its hint line" test "$(grep -c '^[<>]' "$work/diff.txt")" -eq 2
check "the hint line keeps its form" test "$(sed -n 's/^> //p' "$work/diff.txt")" = \
  "$(sed 's/^4,問[0-9]*,答[0-9]*,/4,新しい，"ヒント" 二行目,新形,/' <<< "$old")"
"$wright" clues "$work/edited.pzs" --out "$work/again.tsv" > /dev/null
"$wright" clues "$work/edited.pzs" --apply "$work/again.tsv" --out "$work/again.pzs" > /dev/null
check "quotes in a clue survive the table" cmp -s "$work/edited.pzs" "$work/again.pzs"
"$wright" show "$work/edited.pzs" --stage 1 > "$work/show.txt"
check "the terminal shows the new clue" grep -qF '4. 新しい，"ヒント" 二行目' "$work/show.txt"
"$wright" export "$work/edited.pzs" --format html --out "$work/edited.html" > /dev/null
check "the page shows the new clue" grep -q '新しい，.*ヒント.* 二行目' "$work/edited.html"

# Every refusal names the table's line; the set stays as it was.
refuse() {  # refuse NAME EXPECTED-MESSAGE, for the table bad.tsv
  "$wright" clues "$work/set.pzs" --apply "$work/bad.tsv" > /dev/null 2> "$work/err.txt"
  check "$1: refused" test $? -ne 0
  check "$1: message" grep -qF -- "$2" "$work/err.txt"
  check "$1: set untouched" cmp -s "$work/set.pzs" "$work/original.pzs"
}
while IFS='|' read -r name edit message; do
  sed "$edit" "$work/clues.tsv" > "$work/bad.tsv"
  refuse "$name" "$message"
done <<'CASES'
no such stage|2s/^1/3/|bad.tsv:2: set.pzs has no stage "3"
no such question|2s/^1\t1/1\t9/|bad.tsv:2: stage 1 has no question "9"
other direction|2s/ヨコ/タテ/|bad.tsv:2: question 1 of stage 1 goes ヨコ, not "タテ"
other reading|2s/\t[アイウ]*\t答/\tアアアア\t答/|bad.tsv:2: question 1 of stage 1 reads "
letter outside code page 932 in a clue|2s/問/한/|bad.tsv:2: the clue holds '한' (U+D55C), which code page 932 cannot hold
letter outside code page 932 in a written form|2s/答/😀/|bad.tsv:2: the written form holds '😀' (U+1F600), which code page 932 cannot hold
empty clue|2s/\t問[0-9]*\t/\t\t/|bad.tsv:2: the clue of question 1 of stage 1 is empty
missing field|2s/\t[0-9]*$//|bad.tsv:2: expected 8 fields separated by tabs, found 7
row given twice|2p|bad.tsv:3: question 1 of stage 1 is already on line 2
every refused row counted|2p;3s/^1/3/|bad.tsv: 2 rows refused; nothing written
no header|1d|bad.tsv:1: the table must begin with the header row naming stage, number,
quote never closed|2s/問/"問/|bad.tsv:2: a quoted field opened on this line is never closed
CASES
iconv -f UTF-8 -t UTF-16 "$work/clues.tsv" > "$work/bad.tsv"
refuse "UTF-16 table" "bad.tsv: the table is UTF-16 text; save it as UTF-8 text"

printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\nアイ\t愛\tlove\t1\t0\t1\t1\t0\n' > "$work/words.tsv"
printf '%s\n' ';次行より「分野」' '01名詞,yes,yes,yes,yes,yes' ';ここまで' ';次行より「リスト」' \
  '01一覧,1,yes,yes,yes,yes' ';ここまで' > "$work/index.txt"
"$wright" dict build --words "$work/words.tsv" --index "$work/index.txt" --out "$work/other.lxd" > /dev/null
cp "$work/other.lxd" "$work/other-before.lxd"
"$wright" clues "$work/set.pzs" --apply "$work/edited.tsv" --learn "$work/other.lxd" > /dev/null \
  2> "$work/err.txt"
check "learning into another dictionary is refused" grep -q "other.lxd: has no word [0-9]* '[アイウ]*' in table L4: the dictionary does not match the set" "$work/err.txt"
check "neither file is touched" cmp -s "$work/set.pzs" "$work/original.pzs"
check "nor the dictionary" cmp -s "$work/other.lxd" "$work/other-before.lxd"

cp "$work/dic.idx" "$work/dic-before.idx"
"$wright" clues "$work/set.pzs" --apply "$work/edited.tsv" --learn "$dictionary" > "$work/out.txt"
check "learning says how many words" grep -q "1 word with the clues of the table" "$work/out.txt"
check "the index file is written with the dictionary" cmp -s "$work/dic.idx" "$work/dic-before.idx"
"$wright" fill --grid "$work/set.gst" --seed fixed --stages 2 --out "$work/refilled.pzs" > /dev/null \
  2> "$work/err.txt"
check "the next run from the dictionary asks the learnt clue" cmp -s "$work/set.pzs" "$work/refilled.pzs"
check "the word index learnt with the dictionary" test ! -s "$work/err.txt"
check "the learnt clue is in it" grep -qF '新しい，"ヒント" 二行目' <(utf8 "$work/refilled.pzs")

# Swaps: ranks in the index say which words are common; category 1 is asked from rank 1,
# category 2 from rank 2, category 3 from rank 3.
mkdir "$work/ranked"
cp "$dictionary" "$work/ranked/dic.lxd"
printf '%s\r\n' ';次行より「分野」の指定' '01あ行,yes,yes,yes,yes,yes' '02い行,no,yes,yes,yes,yes' \
  '03う行,no,no,yes,yes,yes' '04短い言葉,no,no,no,no,no' ';ここまで' ';次行より「リスト」の指定' \
  '01一覧,yes,yes,1,1,no' ';ここまで' | iconv -f UTF-8 -t CP932 > "$work/ranked/dic.idx"
cp "$work/original.pzs" "$work/set.pzs"
swap() {  # swap QUESTION OPTIONS...
  "$wright" swap "$work/set.pzs" --stage 1 --question "$@" --dictionary "$work/ranked/dic.lxd"
}
swap 1 > "$work/list1.txt"
check "the fitting words are listed" grep -q "^Question 1 of stage 1 (ヨコ, now [アイウ]*, crossing letters [アイウ]＿[アイウ]＿): [0-9]* words asked at rank 3 fit.$" "$work/list1.txt"
grep -o '(rank [0-9])' "$work/list1.txt" > "$work/ranks.txt"
check "common words first" bash -c "sort -c '$work/ranks.txt' && test \$(sort -u '$work/ranks.txt' | wc -l) -gt 1"

# A down word: its cells between the crossings lie in two answer rows.
swap 5 > "$work/list.txt"
now=$(sed -n '1s/.*now \([アイウ]*\),.*/\1/p' "$work/list.txt")
first=$(sed -n '3s/^  \([アイウ]*\) .*/\1/p' "$work/list.txt")
swap 5 --to "$first" > /dev/null
"$wright" show "$work/set.pzs" > /dev/null
check "a swap passes the player's strict reader" test $? -eq 0
check "the new word is in place" grep -q "^5,問[0-9]*,答[0-9]*,$first, " <(utf8 "$work/set.pzs")
diff <(utf8 "$work/original.pzs") <(utf8 "$work/set.pzs") | grep '^>' | grep -v '^> 5,' > "$work/rows.txt"
check "besides its hint line only answer rows change" bash -c "test -s '$work/rows.txt' && ! grep -qv '^> [^,;]*.\$' '$work/rows.txt'"
swap 5 --to "$now" > /dev/null
check "swapping back gives the set back to the byte" cmp -s "$work/set.pzs" "$work/original.pzs"

swap_refused() {  # swap_refused NAME QUESTION READING EXPECTED-MESSAGE [OPTIONS]
  local name=$1 question=$2 reading=$3 message=$4; shift 4
  swap "$question" --to "$reading" "$@" > /dev/null 2> "$work/err.txt"
  check "$name: refused" test $? -ne 0
  check "$name: message" grep -qF -- "$message" "$work/err.txt"
  check "$name: set untouched" cmp -s "$work/set.pzs" "$work/original.pzs"
}
other=$([ "${now:0:1}" = ア ] && echo イ || echo ア)
swap_refused "a crossing letter changed" 5 "$other${now:1}" "letter 1 of '$other${now:1}' is '$other'"
swap_refused "too short" 5 "${now:0:4}" "'${now:0:4}' has 4 letters; the slot has 5"
swap_refused "not in the dictionary" 5 "${now:0:1}ー${now:2}" "dic.lxd has no word '${now:0:1}ー${now:2}'"
swap_refused "the word there now" 5 "$now" "'$now' is the answer there now"
swap_refused "written otherwise" 5 "$first" "no word '$first' that fits is written '無い'" --written 無い

# A fitting word left off question 1's list: of a list asked once per grid, with another
# such word in the stage; rank 5 does not ask that list at all.
now1=$(sed -n '1s/.*now \([アイウ]*\),.*/\1/p' "$work/list1.txt")
for a in ア イ ウ; do
  for b in ア イ ウ; do
    word=${now1:0:1}$a${now1:2:1}$b
    if [ "$word" != "$now1" ] && ! grep -q "  $word " "$work/list1.txt"; then kept=$word; fi
  done
done
swap_refused "kept apart by the fill's rules" 1 "$kept" "'$kept' may not share the stage with question"
swap_refused "not asked at the rank" 1 "$kept" "'$kept' is not asked at rank 5" --rank 5

# A reading with two written forms that fit: both are listed, neither is taken.
printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\n%s\t別字\t問\t1\t1\t0\t0\t0\n' "$first" > "$work/same.tsv"
"$wright" dict add "$work/ranked/dic.lxd" --words "$work/same.tsv" > /dev/null
swap_refused "two written forms" 5 "$first" "with one of"
check "both written forms offered" test "$(grep -c '^  --written ' "$work/err.txt")" -eq 2
check "the new one among them" grep -q '^  --written 別字$' "$work/err.txt"

# Prize keywords: made by the thorough fill, marked again by hand, shown, refused.
"$wright" fill --grid "$work/set.gst" --seed fixed --stages 2 --search thorough --keyword あいう \
  --out "$work/prize.pzs" > /dev/null
check "the fill marks every stage's keyword" test "$(grep -c $'^[12]\tアイウ\t' "$work/prize.kwd")" -eq 2
"$wright" keyword "$work/prize.pzs" --stage 2 --word ウイ --choice 2 --out "$work/copy.pzs" > "$work/kw.txt"
check "choices are listed, the one taken starred" grep -q '^\* 2\. Ａ ([0-9],[0-9])  Ｂ ([0-9],[0-9])' "$work/kw.txt"
check "the set is copied as it is" cmp -s "$work/prize.pzs" "$work/copy.pzs"
check "its marks beside it: stage 1's kept, stage 2's new" \
  bash -c "grep -q $'^1\tアイウ\t' '$work/copy.kwd' && grep -q $'^2\tウイ\t' '$work/copy.kwd'"
check "show draws the labels" grep -q 'キーワード (Keyword): ＡＢ = ウイ' <("$wright" show "$work/copy.pzs" --stage 2 --solution)
"$wright" keyword "$work/copy.pzs" --stage 1 --word アエオ > /dev/null 2> "$work/err.txt"
check "a keyword the stage cannot spell is refused" test $? -eq 1
check "naming the letters it lacks" grep -q "cannot spell アエオ: it lacks エ, オ$" "$work/err.txt"
"$wright" fill --grid "$work/set.gst" --seed fixed --stages 2 --search thorough --keyword アエ \
  --out "$work/none.pzs" > /dev/null 2> "$work/err.txt"
check "a fill that cannot hold the keyword writes nothing" test ! -e "$work/none.pzs" -a ! -e "$work/none.kwd"
check "and says why" grep -q "gives the stage's keyword good cells" "$work/err.txt"
# A swap written elsewhere takes the marks along; one that takes a marked letter away warns,
# and show then refuses the stale mark.
"$wright" swap "$work/copy.pzs" --stage 1 --question 1 --dictionary "$dictionary" > "$work/list.txt"
now=$(sed -n '1s/.*now \([アイウ]*\),.*/\1/p' "$work/list.txt")
other=$(sed -n 's/^  \([アイウ]*\) .*/\1/p' "$work/list.txt" | grep -v "^.${now:1:1}" | head -1)
printf 'wright-keywords 1\n1\t%s\t2,1\t4,1\n' "${now:1:1}${now:3:1}" > "$work/copy.kwd"
"$wright" swap "$work/copy.pzs" --stage 1 --question 1 --dictionary "$dictionary" --to "$other" \
  --out "$work/swapped.pzs" > /dev/null 2> "$work/err.txt"
check "the marks go with the set written elsewhere" cmp -s <(grep -v '^#' "$work/copy.kwd") \
  <(grep -v '^#' "$work/swapped.kwd")
check "a swap over a marked letter warns" grep -q "warning: .*swapped.kwd:3: stage 1: the cell (2, 1) holds" "$work/err.txt"
check "and show refuses the stale mark" bash -c "! '$wright' show '$work/swapped.pzs' > /dev/null 2>&1"
finish
