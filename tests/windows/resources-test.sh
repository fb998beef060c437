#!/bin/sh
# What the built executables carry, read with icoutils: every icon group at every size the
# display scales ask for, 32-bit with alpha; the manifest's version and GDI scaling; the
# version resource.
#   resources-test.sh VELMORA.EXE VELMORA-CLI.EXE VERSION
set -u
exe=$1 cli=$2 version=$3
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {
    description=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok - $description"
    else failed=$((failed + 1)); echo "not ok - $description"; fi
}
sizes() {  # group name -> "16 20 24 ..." of its 32-bit images
    wrestool -x --type=14 --name="$1" "$exe" > "$work/group.ico" 2>/dev/null
    icotool -l "$work/group.ico" | sed -n 's/.*--width=\([0-9]*\).*--bit-depth=32.*/\1/p' | tr '\n' ' ' | sed 's/ $//'
}
check "the program's icon holds 16 to 256 pixels, 32-bit" test "$(sizes CALENDAR)" = "16 20 24 32 48 64 256"
bad=""
for id in $(seq 102 132) $(seq 302 332); do [ "$(sizes "$id")" = "16 20 24 32 48" ] || bad="$bad $id"; done
check "each of the 31 day icons, in Persian and in Latin digits, holds 16, 20, 24, 32 and 48 pixels, 32-bit:${bad:- all}" test -z "$bad"
wrestool -x --raw --type=24 "$exe" > "$work/manifest.xml"
check "the manifest asks for per-monitor DPI awareness (V2)" grep -q "<dpiAwareness[^>]*>PerMonitorV2" "$work/manifest.xml"
check "the manifest carries the version $version.0" grep -q "name=\"Velmora\" version=\"$version.0\"" "$work/manifest.xml"
wrestool -x --raw --type=24 "$cli" > "$work/cli-manifest.xml"
check "velmora-cli.exe runs as the invoker, with UTF-8 as its code page" \
    sh -c "grep -q 'level=\"asInvoker\"' '$work/cli-manifest.xml' && grep -q '>UTF-8</activeCodePage>' '$work/cli-manifest.xml'"
for file in "$exe" "$cli"; do
    flags=$(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^DllCharacteristics[[:space:]]*//p')
    check "$(basename "$file") is built with ASLR (64-bit entropy), DEP and terminal-server awareness ($flags)" \
        test "$((0x$flags & 0x8160))" -eq $((0x8160))
    wrestool -x --raw --type=16 "$file" | tr -d '\000' > "$work/version.txt"
    check "$(basename "$file") carries ProductVersion and FileVersion $version" \
        sh -c "grep -aq 'ProductVersion$version' '$work/version.txt' && grep -aq 'FileVersion$version' '$work/version.txt'"
    check "$(basename "$file") names the product and its maker" \
        sh -c "grep -aq 'ProductNameVelmora' '$work/version.txt' && grep -aq 'CompanyNameVelmora' '$work/version.txt'"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
