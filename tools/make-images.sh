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

# A calendar page of size x size pixels, 32-bit with alpha: a white page with a dark outline
# (readable on light and dark taskbars), a red band at its top, and text (a PNG) in the page.
page() {  # size, text png, output
    local s=$1 r band stroke
    r=$(( s / 8 > 2 ? s / 8 : 2 ))
    band=$(( (s * 3 + 8) / 16 ))                 # 3 of 16 rows
    stroke=$(awk "BEGIN { print ($s <= 24 ? 1 : $s / 24) }")
    "$convert" -size "${s}x${s}" xc:none -fill white -stroke '#303030' -strokewidth "$stroke" \
        -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
        -fill '#C62828' -stroke none -draw "rectangle 1,1 $((s - 2)),$band" "$work/page.png"
    # The text fills the page below the band, leaving a one-pixel margin at 16 pixels.
    local w=$(( s - 2 - s / 16 )) h=$(( s - band - 2 - s / 16 ))
    "$convert" "$2" -resize "${w}x${h}" "$work/fitted.png"
    "$convert" "$work/page.png" "$work/fitted.png" -gravity center -geometry "+0+$(( (band + 1) / 2 ))" \
        -composite PNG32:"$3"
}

# Persian digits, black, large enough to be sharp when fitted to any page.
persianNumber() {  # value, output
    local text="" value=$1
    for ((i = 0; i < ${#value}; i++)); do text+=${digits[${value:i:1}]}; done
    "$convert" -background none -fill '#1A1A1A' -density 288 \
        pango:"<span font=\"Noto Sans Arabic Bold 11\">$text</span>" -trim +repage "$2"
}

# Day icons 102-132 at every size the notification area uses from 100 % to 300 % scale.
digits=(۰ ۱ ۲ ۳ ۴ ۵ ۶ ۷ ۸ ۹)
daySizes=(16 20 24 32 48)
for day in $(seq 1 31); do
    persianNumber "$day" "$work/digits.png"
    images=()
    for size in "${daySizes[@]}"; do
        page "$size" "$work/digits.png" "$work/day-$size.png"
        images+=("$work/day-$size.png")
    done
    "$convert" "${images[@]}" "$out/day-$((101 + day)).ico"
done

# The program's icon: a page with "۱۴", at the sizes of lists, desktops and the taskbar too.
persianNumber 14 "$work/fourteen.png"
images=()
for size in 16 20 24 32 48 64 256; do
    page "$size" "$work/fourteen.png" "$work/calendar-$size.png"
    images+=("$work/calendar-$size.png")
done
"$convert" "${images[@]}" "$out/calendar.ico"

echo "images written to $out"
