#!/usr/bin/env bash
# Draws the program's bitmaps and icons into resources/images/.
#
#   tools/make-images.sh
#
# Needs Debian's imagemagick (with its Pango delegate, which shapes Persian script) and
# fonts-noto-core. The generated files are committed; run this again after changing it.
set -euo pipefail
cd "$(dirname "$0")/.."
out=resources/images
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert=/usr/bin/convert  # ImageMagick itself, whatever else is called convert on PATH

# Persian text shaped by Pango on white, trimmed.
persian() {  # text, font description, output
    "$convert" -background white -fill black -density 72 \
        pango:"<span font=\"$2\" line_height=\"0.8\">$1</span>" -trim +repage "$3"
}

# A 16-colour Windows bitmap.
bmp16() {  # input, output
    "$convert" "$1" -alpha off -type Palette -colors 16 BMP3:"$2"
}

# Weekday names, 30 x 32: one word, or the number above "شنبه" as Persian calendars print
# the longer names. Only the top 30 rows are shown, so the words sit in them.
weekday() {  # id, text
    persian "$2" "Noto Nastaliq Urdu Bold 11" "$work/w$1.png"
    "$convert" "$work/w$1.png" -resize '29x29>' -background white -gravity center -extent 30x30 \
        -gravity north -extent 30x32 "$work/w$1-full.png"
    bmp16 "$work/w$1-full.png" "$out/weekday-$1.bmp"
}
weekday 214 'جمعه'
weekday 215 $'پنج\nشنبه'
weekday 216 $'چهار\nشنبه'
weekday 217 $'سه\nشنبه'
weekday 218 $'دو\nشنبه'
weekday 219 $'یک\nشنبه'
weekday 220 'شنبه'

# The month buttons, 23 x 21: a black double chevron on the light grey of a button.
chevron() {  # direction (left|right), output
    local pts
    if [ "$1" = left ]; then
        pts=("polyline 11,5 6,10 11,15" "polyline 17,5 12,10 17,15")
    else
        pts=("polyline 6,5 11,10 6,15" "polyline 12,5 17,10 12,15")
    fi
    "$convert" -size 23x21 xc:'#D4D0C8' -fill none -stroke black -strokewidth 2 \
        -draw "${pts[0]}" -draw "${pts[1]}" "$work/chevron.png"
    bmp16 "$work/chevron.png" "$2"
}
chevron left "$out/next-month-1700.bmp"
chevron right "$out/previous-month-1800.bmp"

# The occasions button, 53 x 18: an underlined Persian label.
"$convert" -background '#D4D0C8' -fill '#0A246A' -density 72 \
    pango:"<span font=\"Noto Naskh Arabic Bold 9\">مناسبت‌ها</span>" -trim +repage -resize 'x12>' \
    "$work/label.png"
"$convert" -size 53x18 xc:'#D4D0C8' "$work/label.png" -gravity north -geometry +0+1 -composite \
    -stroke '#0A246A' -draw 'line 8,15 44,15' "$work/label-full.png"
bmp16 "$work/label-full.png" "$out/occasions-1037.bmp"

# Day icons 102-132, 16 x 16: a small calendar page (red band, white page, dark outline) with
# the day in Persian digits, readable on light and dark taskbars alike.
digits=(۰ ۱ ۲ ۳ ۴ ۵ ۶ ۷ ۸ ۹)
for day in $(seq 1 31); do
    text=""
    for ((i = 0; i < ${#day}; i++)); do text+=${digits[${day:i:1}]}; done
    "$convert" -background none -fill '#1A1A1A' -density 72 \
        pango:"<span font=\"Noto Sans Arabic Bold 11\">$text</span>" -trim +repage \
        -resize '13x10>' "$work/digits.png"
    "$convert" -size 16x16 xc:none -fill white -stroke '#303030' -strokewidth 1 \
        -draw 'roundrectangle 0,0 15,15 2,2' -fill '#C62828' -stroke none -draw 'rectangle 1,1 14,3' \
        "$work/digits.png" -gravity center -geometry +0+2 -composite \
        -type Palette -colors 16 "$work/day.png"
    "$convert" "$work/day.png" "$out/day-$((101 + day)).ico"
done

# The program's icon: the same page, large, with the Persian word for calendar-day "روز".
"$convert" -background none -fill '#1A1A1A' -density 72 \
    pango:"<span font=\"Noto Naskh Arabic Bold 16\">۱۴</span>" -trim +repage -resize 'x14>' "$work/big.png"
"$convert" -size 32x32 xc:none -fill white -stroke '#303030' -strokewidth 1.5 \
    -draw 'roundrectangle 1,1 30,30 4,4' -fill '#C62828' -stroke none -draw 'rectangle 2,2 29,8' \
    -fill '#303030' -draw 'circle 9,5 9,6.5' -draw 'circle 22,5 22,6.5' \
    "$work/big.png" -gravity center -geometry +0+4 -composite "$work/calendar32.png"
"$convert" "$work/calendar32.png" -resize 16x16 "$work/calendar16.png"
"$convert" "$work/calendar32.png" "$work/calendar16.png" "$out/calendar.ico"

echo "images written to $out"
