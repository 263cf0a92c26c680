#!/usr/bin/env bash
# A puzzle set made from the default dictionary, read back by the puzzle reader and played
# in Chromium: the generator's output is exactly what the player page and exports accept.
set -euo pipefail
wright=$1
dictionary=$2
player_test=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$wright" grid --dictionary "$dictionary" --out "$work/set.gst" --stages 2 --seed fixed 2> /dev/null
"$wright" fill --grid "$work/set.gst" --out "$work/set.pzs" --stages 3 --seed fixed 2> /dev/null
for stage in 1 2 3; do "$wright" show "$work/set.pzs" --stage "$stage" --solution > /dev/null; done
"$wright" export "$work/set.pzs" --format ipuz --out "$work/ipuz" > /dev/null
node "$player_test" "$wright" "$work/set.pzs" "$work"
