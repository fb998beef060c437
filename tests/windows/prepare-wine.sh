#!/bin/sh
# Prepares the Wine prefix of the end-to-end tests once: a virtual desktop, font
# replacements with Persian script, and Marlett for the caption buttons.
#   prepare-wine.sh PREFIX REGISTRY-FILE
set -e
prefix=$1
[ -f "$prefix/.velmora-ready" ] && exit 0
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wineboot --init >/dev/null 2>&1 || true
wine regedit "$2" >/dev/null 2>&1
mkdir -p "$prefix/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w || true
touch "$prefix/.velmora-ready"
