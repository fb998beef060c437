#!/bin/sh
# The release as it is made: the same commit built again in another folder gives the same
# executables and zip, and with a certificate every program and the setup are signed.
#   release-test.sh SOURCE-DIR BUILD-DIR RELEASE-DIR SCRATCH
set -u
source=$1 build=$2 release=$3 scratch=$4
passed=0 failed=0
check() {
    description=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok - $description"
    else failed=$((failed + 1)); echo "not ok - $description"; fi
}
rm -rf "$scratch" && mkdir -p "$scratch"
other="$scratch/elsewhere/build"
cmake --preset mingw -S "$source" -B "$other" -DVELMORA_TESTS=OFF -DVELMORA_RELEASE_DIR="$scratch/release" >/dev/null
cmake --build "$other" --target release >/dev/null 2>&1
for file in Velmora.exe velmora-cli.exe; do
    check "$file built in another folder is byte for byte the same ($(sha256sum "$other/$file" | cut -c1-16))" \
        cmp -s "$build/$file" "$other/$file"
done
zip=$(basename "$release"/*-win64.zip)
check "and so is the zip ($(sha256sum "$scratch/release/$zip" | cut -c1-16))" cmp -s "$release/$zip" "$scratch/release/$zip"
for file in Velmora.exe velmora-cli.exe; do
    check "the zip's $file carries no debug information ($(stat -c %s "$other/zip/Velmora/$file") bytes; built $(stat -c %s "$other/$file"))" \
        sh -c "! x86_64-w64-mingw32-objdump -h '$other/zip/Velmora/$file' | grep -q '\.debug_' && test -s '$other/$file.debug'"
done
check "SHA256SUMS holds the release's checksums" sh -c "cd '$release' && sha256sum -c --quiet SHA256SUMS"

# A throwaway certificate signs the programs, the uninstaller and the setup.
openssl req -x509 -newkey rsa:2048 -nodes -subj "/CN=Velmora test signing" -days 2 \
    -keyout "$scratch/key.pem" -out "$scratch/cert.pem" >/dev/null 2>&1
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -passout pass:test \
    -out "$scratch/sign.pfx" >/dev/null 2>&1
rm -f "$scratch/release"/*
VELMORA_SIGN_PFX="$scratch/sign.pfx" VELMORA_SIGN_PASSWORD=test cmake --build "$other" --target release >/dev/null 2>&1
verify() {
    osslsigncode verify -CAfile "$scratch/cert.pem" -in "$1" > "$scratch/verify.txt" 2>&1 &&
        grep -q "Signature verification: ok" "$scratch/verify.txt"
}
setup=$(ls "$scratch/release"/*-setup.exe)
check "the setup is signed and its signature verifies" verify "$setup"
for file in Velmora.exe velmora-cli.exe; do
    check "the zip's $file is signed and verifies" verify "$other/zip/Velmora/$file"
done
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
wine "$setup" /S '/D=C:\signed' && wineserver -w
check "the installed uninstaller is signed and verifies" verify "$WINEPREFIX/drive_c/signed/uninstall.exe"
check "and the installed Velmora.exe" verify "$WINEPREFIX/drive_c/signed/Velmora.exe"
wineserver -k 2>/dev/null
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
