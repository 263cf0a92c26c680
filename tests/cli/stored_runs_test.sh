#!/usr/bin/env bash
# Fixed-seed runs of wright grid and wright fill compared byte for byte with the files they
# wrote when their output was checked by hand. Any change to the random generator's start
# state, the order of its draws, the shuffle or a tie rule of the layout or the fill shows
# here. The dictionaries are built from word lists stored beside the expected files (about
# 6,000 words each, every n-th word of each length of the default dictionaries of the day,
# clues cut to 24 letters), so a changed importer or default dictionary moves nothing.
#   stored_runs_test.sh WRIGHT STORED_DIR [--store]
# --store writes the expected files anew instead of comparing (only after a change that
# is meant to alter the output, and with every new file checked).
set -u
wright=$1
stored=$2
store=${3:-}
source "$(dirname "$0")/checks.sh"
expected="$stored/expected"

build_dictionary() {  # build_dictionary LANGUAGE OUT.lxd
  mkdir -p "$(dirname "$2")"
  "$wright" dict build --words "$stored/$1-words.tsv" --index "$stored/$1-index.txt" --out "$2" \
    > /dev/null || exit 1
}
japanese="$work/japanese/日本語.lxd"
english="$work/english/英語.lxd"
build_dictionary japanese "$japanese"
build_dictionary english "$english"

# compare NAME FILE SKIP: FILE against the expected NAME from line SKIP+1 on.
compare() {
  if [ "$store" = --store ]; then
    cp "$2" "$expected/$1"
  else
    check "$1 as stored" cmp <(tail -n +$(($3 + 1)) "$2") <(tail -n +$(($3 + 1)) "$expected/$1")
  fi
}

# grid NAME DICTIONARY ARGS...: a full-auto layout. Line 2 names the dictionary's folder,
# which is this run's scratch folder, so the comparison starts below it.
grid() {
  local name=$1 dictionary=$2
  shift 2
  "$wright" grid --dictionary "$dictionary" --out "$work/$name" --seed fixed "$@" > /dev/null 2>&1
  compare "$name" "$work/$name" 2
}

# fill NAME GRID ARGS...: a fill of a grid made above.
fill() {
  local name=$1 grid=$2
  shift 2
  "$wright" fill --grid "$work/$grid" --out "$work/$name" --seed fixed "$@" > /dev/null 2>&1
  compare "$name" "$work/$name" 0
}

grid small.gst "$japanese" --size small --stages 5
grid medium-random-walls.gst "$japanese" --size medium --walls random --stages 5
grid large-pattern-walls.gst "$japanese" --size large --walls pattern --stages 5
grid random-size-either-walls.gst "$japanese" --size random --walls either --stages 5
grid custom-11x9.gst "$japanese" --size 11x9 --stages 3
grid kept-size.gst "$japanese" --size medium --keep-size --stages 3
grid kept-walls.gst "$japanese" --size 8x6 --keep-size --keep-walls --walls random --stages 3
grid english-medium.gst "$english" --size medium --stages 5
grid english-large.gst "$english" --size large --stages 5

fill small-rank1.pzs small.gst --rank 1 --stages 5
fill medium-rank3.pzs medium-random-walls.gst --rank 3 --stages 5
# Later stages give up and start again hundreds of times here.
fill large-rank5.pzs large-pattern-walls.gst --rank 5 --stages 3 --restart-max 500
# A short history with many repairs finds repeated failures.
fill medium-repeats.pzs medium-random-walls.gst --rank 5 --stages 3 --history-max 5 --retry-max 40
fill english-medium-rank1.pzs english-medium.gst --rank 1 --stages 3 --restart-max 500
fill english-large-rank5.pzs english-large.gst --rank 5 --stages 3 --restart-max 500

"$wright" grid --layout "$stored/embedded-layout.txt" --dictionary "$japanese" \
  --out "$work/embedded.gst" > /dev/null
fill embedded-letters.pzs embedded.gst --rank 5 --stages 3

finish
