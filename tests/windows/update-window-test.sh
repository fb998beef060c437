#!/bin/sh
# Velmora.exe against update feeds served on 127.0.0.1: the servers this script starts (one
# serving a good feed, an altered one and one whose calendar.ini is not the signed file, one
# that takes connections and never answers), a copy of Velmora.exe that trusts this run's
# throwaway key in place of the built-in one, and the driver's "updates" scenario.
#   update-window-test.sh SOURCE-DIR BUILD-DIR EMULATOR
set -u
source_dir=$1 build=$2 emulator=$3
scratch="$build/update-window"
rm -rf "$scratch" && mkdir -p "$scratch/root/site" "$scratch/root/bad" "$scratch/edition2" && cd "$scratch"
fail() { echo "not ok - $1"; exit 1; }

openssl ecparam -name prime256v1 -genkey -noout -out private.pem 2>/dev/null
openssl ec -in private.pem -pubout -out public.pem 2>/dev/null

# Edition 2: Shawwal 1448 as Iran announced it, a day before the table predicts it, and no
# longer a prediction.
cp "$build/calendar.ini" "$build/events.ini" edition2/
$emulator "$build/velmora-cli.exe" lunar start --data edition2 1448-10 2027-03-09 >/dev/null 2>&1 ||
    fail "velmora-cli corrects Shawwal 1448 for the new edition"
sed -i -e '/^correction /d' -e 's#^publishedMonths=1448/1-1448/9#publishedMonths=1448/1-1448/10#' \
    -e 's#^firstPredictedMonth=1448/10#firstPredictedMonth=1448/11#' -e 's/^edition=1\r$/edition=2\r/' \
    -e 's/^made=.*\r$/made=2027-03-08\r/' \
    edition2/calendar.ini
grep -q '^edition=2' edition2/calendar.ini || fail "edition 2's calendar.ini"
cp edition2/calendar.ini edition2/events.ini root/site/
echo "a setup" > root/site/Velmora-9.0.0-setup.exe
node "$source_dir/tools/publish-update.js" --key private.pem --version 4.0.0 --installer Velmora-9.0.0-setup.exe \
    --changes "Eid al-Fitr moved to 18 Esfand: Iran announced Shawwal 1448" \
    --changes-persian "عید فطر به ۱۸ اسفند رفت: ایران آغاز شوال ۱۴۴۸ را اعلام کرد" root/site > root/site/feed.txt ||
    fail "publish-update.js signs the feed"
sed 's/^edition=2$/edition=3/' root/site/feed.txt > root/site/altered.txt
cp root/site/* root/bad/ && printf '; not the signed file\r\n' >> root/bad/calendar.ini

# The servers: one serving root/, one that never answers.
. "$source_dir/tests/serve-folder.sh"
serve root server.log
port=$served_port
python3 -u -c '
import socket
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(16)
print("port", s.getsockname()[1], flush=True)
held = []
while True:
    held.append(s.accept()[0])
' > stall.log 2>&1 &
staller=$!
trap 'kill $served_pid $staller 2>/dev/null' EXIT
stall=""
for _ in $(seq 50); do
    stall=$(sed -n 's/^port \([0-9]*\)/\1/p' stall.log | head -1)
    [ -n "$stall" ] && break
    sleep 0.1
done
printf 'good=http://127.0.0.1:%s/site/feed.txt\r\naltered=http://127.0.0.1:%s/site/altered.txt\r\nwronghash=http://127.0.0.1:%s/bad/feed.txt\r\nnobody=http://127.0.0.1:9/feed.txt\r\nstall=http://127.0.0.1:%s/feed.txt\r\n' \
    "$port" "$port" "$port" "$stall" > "$build/update-urls.txt"

# Velmora.exe with this run's key in place of the built-in one (a PEM of the same length).
rm -rf "$build/update-program" && mkdir -p "$build/update-program"
cp "$build/content.htm" "$build/update-program/"
python3 "$source_dir/tests/windows/with-test-key.py" "$source_dir/update/feed.h" "$build/Velmora.exe" public.pem \
    "$build/update-program/Velmora.exe" ||
    fail "a Velmora.exe trusting this run's key"

cd "$build" && $emulator ./velmora-driver.exe updates screenshots
