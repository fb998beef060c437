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

# The bitmaps are drawn for 1x, 1.5x, 2x and 3x the 96-dpi design, the larger ones under
# the design's id plus 10000, 20000 and 30000, so that the window is crisp at any scale.
# n(x): x pixels of the design at the scale being drawn, rounded.
n() { awk -v x="$1" -v f="$scale" 'BEGIN { v = x * f; printf "%d", (v == int(v)) ? v : int(v + 0.5) }'; }

# Weekday names, 30 x 32: one word, or the number above "شنبه" as Persian calendars print
# the longer names. Only the top 30 rows are shown, so the words sit in them.
weekday() {  # id, text
    "$convert" -background white -fill black -density "$(n 72)" \
        pango:"<span font=\"Noto Nastaliq Urdu Bold 11\" line_height=\"0.8\">$2</span>" -trim +repage "$work/w$1.png"
    "$convert" "$work/w$1.png" -resize "$(n 29)x$(n 29)>" -background white -gravity center -extent "$(n 30)x$(n 30)" \
        -gravity north -extent "$(n 30)x$(n 32)" "$work/w$1-full.png"
    bmp16 "$work/w$1-full.png" "$out/weekday-$(($1 + step))$suffix.bmp"
}

# The month buttons, 23 x 21: a black double chevron on the light grey of a button.
chevron() {  # direction (left|right), output
    local pts
    if [ "$1" = left ]; then
        pts=("polyline $(n 11),$(n 5) $(n 6),$(n 10) $(n 11),$(n 15)" "polyline $(n 17),$(n 5) $(n 12),$(n 10) $(n 17),$(n 15)")
    else
        pts=("polyline $(n 6),$(n 5) $(n 11),$(n 10) $(n 6),$(n 15)" "polyline $(n 12),$(n 5) $(n 17),$(n 10) $(n 12),$(n 15)")
    fi
    "$convert" -size "$(n 23)x$(n 21)" xc:'#D4D0C8' -fill none -stroke black -strokewidth "$(n 2)" \
        -draw "${pts[0]}" -draw "${pts[1]}" "$work/chevron.png"
    bmp16 "$work/chevron.png" "$2"
}

# The occasions button, 53 x 18: an underlined label, in Persian or in English.
occasionsLabel() {  # output, text, font
    "$convert" -background '#D4D0C8' -fill '#0A246A' -density "$(n 72)" \
        pango:"<span font=\"$3\">$2</span>" -trim +repage -resize "x$(n 12)>" \
        "$work/label.png"
    "$convert" -size "$(n 53)x$(n 18)" xc:'#D4D0C8' "$work/label.png" -gravity north -geometry "+0+$(n 1)" -composite \
        -stroke '#0A246A' -strokewidth "$(n 1)" -draw "line $(n 8),$(n 15) $(n 44),$(n 15)" "$work/label-full.png"
    bmp16 "$work/label-full.png" "$1"
}

for drawing in "1 0" "1.5 10000" "2 20000" "3 30000"; do
    read -r scale step <<<"$drawing"
    suffix=""
    weekday 214 'جمعه'
    weekday 215 $'پنج\nشنبه'
    weekday 216 $'چهار\nشنبه'
    weekday 217 $'سه\nشنبه'
    weekday 218 $'دو\nشنبه'
    weekday 219 $'یک\nشنبه'
    weekday 220 'شنبه'
    chevron left "$out/next-month-$((1700 + step)).bmp"
    chevron right "$out/previous-month-$((1800 + step)).bmp"
    occasionsLabel "$out/occasions-$((1037 + step)).bmp" 'مناسبت‌ها' 'Noto Naskh Arabic Bold 9'
    occasionsLabel "$out/occasions-$((1038 + step)).bmp" 'Events' 'Noto Sans Bold 8'
done

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

# Latin digits, the same way.
latinNumber() {  # value, output
    "$convert" -background none -fill '#1A1A1A' -density 288 \
        pango:"<span font=\"Noto Sans Bold 11\">$1</span>" -trim +repage "$2"
}

# Day icons 102-132 at every size the notification area uses from 100 % to 300 % scale, and
# 302-332 the same in Latin digits.
digits=(۰ ۱ ۲ ۳ ۴ ۵ ۶ ۷ ۸ ۹)
daySizes=(16 20 24 32 48)
for day in $(seq 1 31); do
    for set in "persianNumber 101" "latinNumber 301"; do
        read -r draw base <<<"$set"
        "$draw" "$day" "$work/digits.png"
        images=()
        for size in "${daySizes[@]}"; do
            page "$size" "$work/digits.png" "$work/day-$size.png"
            images+=("$work/day-$size.png")
        done
        "$convert" "${images[@]}" "$out/day-$((base + day)).ico"
    done
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
