#!/bin/bash
# Times whole wright processes, as a user runs them: the dense hand layouts under
# bench/data filled by the thorough search, a 99-stage large Japanese set filled by the
# exact search with a fixed seed, and 20 full-auto medium stages filled by both searches at
# three ranks. Run from the repository with the build in build/:
#   bench/fill-process-times.sh [RUNS]     (on an otherwise idle machine)
# Prints each run's mean wall time; generator_bench reports peak memory.
set -eu
runs=${1:-10}
bin=$(pwd)/build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# mean_time LABEL COMMAND...: the mean wall time of $runs runs.
mean_time() {
  label=$1
  shift
  : >"$work/times"
  TIMEFORMAT=%R
  for _ in $(seq "$runs"); do
    { time "$@" >/dev/null 2>"$work/err"; } 2>>"$work/times" || {
      tail -n 1 "$work/err" >&2
      echo "$label: failed"
      return 0
    }
  done
  awk -v label="$label" '{ total += $1 } END { printf "%s: %.3f s mean of %d\n", label, total / NR, NR }' \
    "$work/times"
}

layout() { # LAYOUT DICTIONARY GRID
  "$bin/wright" grid --layout "bench/data/$1" --dictionary "$bin/$2" --out "$work/$3" --force \
    >/dev/null 2>&1
}

layout dense-english-15x15.txt 標準英語辞書.lxd english.gst
layout dense-japanese-13x13.txt 標準日本語辞書.lxd japanese.gst
# At 初級 (rank 1) the English layout has no fill: the thorough search proves it in minutes.
mean_time "dense English 15x15, thorough, rank 3" \
  "$bin/wright" fill --grid "$work/english.gst" --stages 1 --search thorough --rank 3
for rank in 1 3; do
  mean_time "dense Japanese 13x13, thorough, rank $rank" \
    "$bin/wright" fill --grid "$work/japanese.gst" --stages 1 --search thorough --rank $rank
done
"$bin/wright" grid --dictionary "$bin/標準日本語辞書.lxd" --out "$work/large.gst" --size large \
  --stages 99 --seed fixed >/dev/null 2>&1
mean_time "99 large Japanese stages, exact, fixed seed" \
  "$bin/wright" fill --grid "$work/large.gst" --stages 99 --seed fixed
"$bin/wright" grid --dictionary "$bin/標準日本語辞書.lxd" --out "$work/medium.gst" --size medium \
  --stages 20 --seed 7 >/dev/null 2>&1
for rank in 1 3 5; do
  for search in exact thorough; do
    mean_time "20 medium Japanese stages, $search, rank $rank" \
      "$bin/wright" fill --grid "$work/medium.gst" --stages 20 --seed 7 --rank $rank --search $search
  done
done
