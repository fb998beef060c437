#!/bin/sh
# velmora-cli update end to end: a feed made and signed by tools/publish-update.js with a
# throwaway key, served over HTTP on 127.0.0.1 by a server the test starts and stops; the good
# feed updates, and each bad one changes nothing.
#   update-test.sh SOURCE-DIR SCRATCH CLI-COMMAND...
set -u
source_dir=$1 scratch=$2; shift 2
passed=0 failed=0
check() {
    description=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok - $description"
    else failed=$((failed + 1)); echo "not ok - $description"; fi
}
rm -rf "$scratch" && mkdir -p "$scratch/site" "$scratch/data" && cd "$scratch"
openssl ecparam -name prime256v1 -genkey -noout -out private.pem 2>/dev/null
openssl ec -in private.pem -pubout -out trusted.pem 2>/dev/null
cp "$source_dir/resources/calendar.ini" "$source_dir/resources/events.ini" data/
# Edition 2: Yalda a holiday, and the table's edition raised.
sed 's/^edition=1\r$/edition=2\r/' "$source_dir/resources/calendar.ini" > site/calendar.ini
sed 's/پیوند با خویشان 0\r$/پیوند با خویشان 1\r/' "$source_dir/resources/events.ini" > site/events.ini
events_sha=$(sha256sum site/events.ini | cut -c1-64)
sed -i "s/^eventsSha256=.*\r\$/eventsSha256=$events_sha\r/" site/calendar.ini
echo "a setup" > site/Velmora-9.0.0-setup.exe
publish() {
    node "$source_dir/tools/publish-update.js" --key private.pem --version 9.0.0 \
        --installer Velmora-9.0.0-setup.exe --changes "Yalda is a holiday" --changes-persian "شب یلدا تعطیل است" site
}
publish > site/feed.txt || echo "not ok - publish-update.js made no feed"

. "$source_dir/tests/serve-folder.sh"
serve site server.log
trap 'kill $served_pid 2>/dev/null' EXIT
url="http://127.0.0.1:$served_port"

run() {  # expected exit status, then the arguments of update
    expected=$1; shift
    "$@" > out.txt 2>&1
    status=$?
    tr -d '\r' < out.txt > said.txt
    [ "$status" -eq "$expected" ]
}
unchanged() {
    cmp -s data/calendar.ini "$source_dir/resources/calendar.ini" && cmp -s data/events.ini "$source_dir/resources/events.ini"
}
said() { grep -q "$1" said.txt; }

check "the built-in key refuses a feed signed with another" run 1 "$@" update --feed "$url/feed.txt" --data data
check "  and says why" said "signature does not verify"
check "  and nothing changed" unchanged
cp site/feed.txt feed.good
sed 's/^edition=2$/edition=3/' feed.good > site/feed.txt
check "an altered feed is refused" run 1 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  and nothing changed" unchanged
head -c 300 feed.good > site/feed.txt
check "a truncated feed is refused" run 1 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  and nothing changed" unchanged
cp feed.good site/feed.txt
cp site/events.ini events.good && printf '[01]\r\n5=x 1\r\n' >> site/events.ini
check "an events.ini other than the signed one is refused" run 1 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  as not the file the feed signed" said "is not the file the feed signed"
check "  and nothing changed" unchanged
head -c 2000 events.good > site/events.ini
check "a truncated events.ini is refused" run 1 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  and nothing changed" unchanged
cp events.good site/events.ini
check "a feed that is not there is refused" run 1 "$@" update --feed "$url/none.txt" --trust trusted.pem --data data
check "--check-only says what there is" run 0 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data --check-only
check "  (edition 2) and changes nothing" sh -c "grep -q 'from edition 1 to edition 2' said.txt && cmp -s data/calendar.ini '$source_dir/resources/calendar.ini'"
check "the good feed updates" run 0 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  saying so and offering the program" sh -c "grep -q 'now edition 2' said.txt && grep -q 'Velmora 9.0.0 is available' said.txt"
check "  calendar.ini is edition 2" cmp -s data/calendar.ini site/calendar.ini
check "  events.ini is the new one" cmp -s data/events.ini site/events.ini
check "  the old files are kept" sh -c "cmp -s data/calendar.ini.bak '$source_dir/resources/calendar.ini' && cmp -s data/events.ini.bak '$source_dir/resources/events.ini'"
check "  and Yalda is a holiday now" sh -c "$* holidays --data data 1405 | grep -q 'شب یلدا'"
check "the same feed again: up to date" run 0 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  and said" said "up to date"
# An older edition, validly signed (a replayed feed), is not taken.
mkdir -p old && cp "$source_dir/resources/calendar.ini" "$source_dir/resources/events.ini" site/Velmora-9.0.0-setup.exe old/
node "$source_dir/tools/publish-update.js" --key private.pem --version 9.0.0 --installer Velmora-9.0.0-setup.exe \
    --changes old old > site/feed.txt
cp data/calendar.ini edition2.ini
check "an older edition, signed, changes nothing" run 0 "$@" update --feed "$url/feed.txt" --trust trusted.pem --data data
check "  (still edition 2)" cmp -s data/calendar.ini edition2.ini
check "a wrong option is bad use" run 2 "$@" update --fed "$url/feed.txt"
check "a key that is not a key is bad use" run 2 "$@" update --trust data/events.ini
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
