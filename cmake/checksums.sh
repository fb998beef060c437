#!/bin/sh
# The SHA-256 of each file a user downloads, as sha256sum -c reads them back.
#   checksums.sh FOLDER FILE...
set -eu
cd "$1"
shift
sha256sum "$@" > SHA256SUMS
