#!/bin/sh
# The scale scenario at a display scale: LogPixels DPI and a virtual desktop of 1024 x 768
# at that scale, in a Wine session of its own; the prefix is put back to 96 dpi afterwards.
#   scale-test.sh DPI WINE [SCENARIO...]   (the scale scenario when none is named)
set -u
dpi=$1
wine=$2
shift 2
scenarios=${*:-scale}
desktop="$((1024 * dpi / 96))x$((768 * dpi / 96))"
settings() {  # dpi, desktop
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$2" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null
    wineserver -w
}
trap 'settings 96 1024x768' EXIT
settings "$dpi" "$desktop"
failures=0
for scenario in $scenarios; do
    VELMORA_DPI=$dpi "$wine" ./velmora-driver.exe "$scenario" screenshots || failures=$((failures + 1))
done
exit "$failures"
