#!/bin/sh
# A million day numbers through `velmora-cli convert --from jdn` and through jalaali-js (a
# line at a time with console.log, as its README's example goes, and in 64 KiB pieces as
# velmora-cli writes), five runs each, interleaved, the output thrown away; prints the medians
# and the ratios.
#   converter-vs-jalaali.sh VELMORA-CLI DATA-FOLDER
set -eu
cli=$1 data=$2
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# 290 years of days from 1880, over and over, as a batch of real dates would be.
awk 'BEGIN { for (i = 0; i < 1000000; i++) print 2408000 + i % (290 * 365) }' > "$work/days"
seconds() {  # command...
    start=$(date +%s.%N)
    "$@" < "$work/days" > /dev/null  # the conversion, not the disk
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
median() { sort -n | sed -n 3p; }
: > "$work/velmora"
: > "$work/lines"
: > "$work/pieces"
for _ in 1 2 3 4 5; do
    seconds "$cli" convert --data "$data" --from jdn >> "$work/velmora"
    seconds node "$here/jalaali-convert.js" --per-line >> "$work/lines"
    seconds node "$here/jalaali-convert.js" >> "$work/pieces"
done
v=$(median < "$work/velmora")
l=$(median < "$work/lines")
p=$(median < "$work/pieces")
printf 'a million day numbers (medians of 5): velmora-cli %.3f s\n' "$v"
printf '  jalaali-js, a line at a time: %.3f s, %.1f times as long\n' "$l" "$(echo "$l / $v" | bc -l)"
printf '  jalaali-js, in 64 KiB pieces: %.3f s, %.1f times as long\n' "$p" "$(echo "$p / $v" | bc -l)"
