#!/bin/sh
# Signs Windows executables in place with Authenticode when a certificate is given, and does
# nothing otherwise:
#   VELMORA_SIGN_PFX       a PKCS#12 file with the certificate and its key
#   VELMORA_SIGN_PASSWORD  its password
#   VELMORA_SIGN_TIMESTAMP a timestamp server's URL (optional)
#   sign.sh FILE...
set -eu
[ -n "${VELMORA_SIGN_PFX:-}" ] || exit 0
for file in "$@"; do
    set -- -pkcs12 "$VELMORA_SIGN_PFX" -pass "${VELMORA_SIGN_PASSWORD:-}" -h sha256 -n Velmora \
        -i https://velmora.co.ir/
    [ -n "${VELMORA_SIGN_TIMESTAMP:-}" ] && set -- "$@" -ts "$VELMORA_SIGN_TIMESTAMP"
    rm -f "$file.signed"
    osslsigncode sign "$@" -in "$file" -out "$file.signed" >/dev/null
    mv -f "$file.signed" "$file"
done
