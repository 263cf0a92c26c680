#!/usr/bin/env bash
# wright dict as a user meets it: building, describing and checking dictionaries, and bad input.
set -u
wright=$1
source "$(dirname "$0")/checks.sh"

printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\nカサ\t傘\train, shade\t1\t0\t1\t1\t0\nネコ\t猫\tpet\t2\t1\t2\t2\t0\nアイウ\t愛鵜\tclue\t1\t0\t3\t3\t0\n' > "$work/words.tsv"
cat > "$work/index.txt" <<'INDEX'
;テスト辞書
;次行より「分野」
●見出し
01名詞,yes,yes,yes,yes,yes
02動物,no,yes,yes,yes,yes
;ここまで
;次行より「リスト」
01ペット,1,yes,yes,yes,yes
;ここまで
INDEX
"$wright" dict build --words "$work/words.tsv" --index "$work/index.txt" --out "$work/test.lxd" > "$work/out.txt" 2>&1
check "build succeeds" test $? -eq 0
check "build counts the comma" grep -q "1 commas" "$work/out.txt"
check "index written beside" test -s "$work/test.idx"
check "index is CP932 with CR LF" bash -c "iconv -f CP932 -t UTF-8 '$work/test.idx' | head -2 | tail -1 | grep -q \$'^;次行より「分野」\r\$'"

"$wright" dict info "$work/test.lxd" > "$work/info.txt" 2>&1
check "info succeeds" test $? -eq 0
check "info counts a length" grep -q "^   2 letters         2$" "$work/info.txt"
check "info names the language" grep -q "Answer language: 1 (Japanese)" "$work/info.txt"
check "info counts a category" grep -qE "^   2 動物 +1  no" "$work/info.txt"
check "info counts a rank" grep -qE "^  初級 +2$" "$work/info.txt"

"$wright" dict check "$work/test.lxd" > "$work/check.txt" 2>&1
check "check passes a clean dictionary" test $? -eq 0

printf 'older' > "$work/keep.lxd"
printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\nカ\t蚊\tbug\t1\t0\t0\t0\t0\nカサ\t傘\tumbrella\t5\t0\t0\t0\t0\n' > "$work/bad.tsv"
"$wright" dict build --words "$work/bad.tsv" --index "$work/index.txt" --out "$work/keep.lxd" 2> "$work/err.txt"
check "bad rows fail the build" test $? -ne 0
check "bad rows are listed by line" grep -q "bad.tsv:2: the reading 'カ' has 1 letters" "$work/err.txt"
check "every bad row is listed" grep -q "bad.tsv:3: CN 5 is no category" "$work/err.txt"
check "older file untouched" grep -qx older "$work/keep.lxd"
check "no index written" test ! -e "$work/keep.idx"

printf ';次行より「分野」\n01名詞,yes,yes,yes,yes,yes\n' > "$work/open.txt"
"$wright" dict build --words "$work/words.tsv" --index "$work/open.txt" --out "$work/open.lxd" 2> "$work/err.txt"
check "index without end line fails" test $? -ne 0
check "index problem names its line" grep -q "open.txt:1: the category section" "$work/err.txt"

"$wright" dict build --words "$work/words.tsv" --index "$work/index.txt" --out "$work/bare.lxd" > /dev/null 2>&1
rm "$work/bare.idx"
"$wright" dict check "$work/bare.lxd" > /dev/null 2> "$work/err.txt"
check "check fails without index file" test $? -ne 0
check "check names the missing index" grep -q "bare.idx: the index file is missing" "$work/err.txt"

printf 'not a database' > "$work/text.lxd"
"$wright" dict info "$work/text.lxd" > /dev/null 2> "$work/err.txt"
check "info on a foreign file fails" test $? -ne 0
check "foreign file is named" grep -q "text.lxd: not a dictionary: the file is not an SQLite database" "$work/err.txt"

printf '　？？？ /EDICT header/\n写真 [しゃしん] /(n) photograph/(P)/\n橋 [はし] /(n) bridge/\n' | iconv -t EUC-JP > "$work/edict"
"$wright" dict import-edict --edict "$work/edict" --out "$work/ja.lxd" > "$work/out.txt" 2>&1
check "import-edict succeeds" test $? -eq 0
check "import-edict reports the words" grep -q "2 words" "$work/out.txt"
"$wright" dict check "$work/ja.lxd" > /dev/null 2>&1
check "imported dictionary passes check" test $? -eq 0

# An author's own dictionary: export, build the export again, add words.
"$wright" dict export "$work/test.lxd" --words "$work/export.tsv" --index "$work/export.txt" > /dev/null
check "export succeeds" test $? -eq 0
check "export keeps the index text" diff "$work/index.txt" "$work/export.txt"
"$wright" dict build --words "$work/export.tsv" --index "$work/export.txt" --out "$work/again.lxd" > /dev/null
"$wright" dict export "$work/again.lxd" --words "$work/again.tsv" --index "$work/again.txt" > /dev/null
check "round trip keeps the words in order" diff "$work/export.tsv" "$work/again.tsv"
check "round trip keeps the index file" cmp "$work/test.idx" "$work/again.idx"

printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\nイヌ\t犬\tbarks\t2\t1\t0\t0\t0\nカサ\t傘\tagain\t1\t0\t0\t0\t0\nカサ\t笠\that\t1\t0\t0\t0\t0\n' > "$work/more.tsv"
"$wright" dict add "$work/again.lxd" --words "$work/more.tsv" > "$work/out.txt" 2>&1
check "add succeeds" test $? -eq 0
check "add reports a word already there" grep -q "already present, not added: カサ 傘 is word 1" "$work/out.txt"
check "add counts" grep -q "2 words added, 1 already present; 5 words in all" "$work/out.txt"
"$wright" dict export "$work/again.lxd" --words "$work/added.tsv" > /dev/null
check "added words follow with the reading's answer number" grep -qP "^カサ\t笠\that\t1\t0\t5\t1\t0$" "$work/added.tsv"
"$wright" dict check "$work/again.lxd" > /dev/null 2>&1
check "the dictionary after adding passes check" test $? -eq 0
cp "$work/again.lxd" "$work/before.lxd"
printf 'Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\nトリ\t鳥\tbird\t9\t0\t0\t0\t0\n' > "$work/wrong.tsv"
"$wright" dict add "$work/again.lxd" --words "$work/wrong.tsv" > /dev/null 2> "$work/err.txt"
check "add refuses a word of no category" grep -q "wrong.tsv:2: CN 9 is no category" "$work/err.txt"
check "a refused add leaves the dictionary" cmp "$work/before.lxd" "$work/again.lxd"

"$wright" dict build --help > "$work/help.txt"
check "help teaches the columns" grep -q "Yst Ast Qst CN BN QN AN SN" "$work/help.txt"

finish
