#!/bin/sh
# The release installer in a scratch Wine prefix, as a user meets it: a silent install, the
# installed program and its version, installs over edited files with the program running, a
# frozen copy and a locked file that must make the install fail rather than lie, a portable
# copy elsewhere that must keep running, a silent uninstall that leaves what the user made,
# a folder with a Persian name, and lunar corrections carried into a newer table.
#   installer-test.sh SETUP.EXE DRIVER.EXE SHIPPED-EVENTS.INI SCRATCH-FOLDER MAKENSIS SOURCE-DIR RELEASE-FILES VERSION
set -u
setup=$1 driver=$2 shipped_events=$3 scratch=$4 makensis=$5 source_dir=$6 release_files=$7 version=$8
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
passed=0 failed=0
check() {  # condition-command..., description last
    description=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok - $description"
    else failed=$((failed + 1)); echo "not ok - $description"; fi
}
log_text() {  # install.log is UTF-16
    iconv -f UTF-16 -t UTF-8 "$folder/install.log" 2>/dev/null | tr -d '\r'
}
reg_value() {  # key, name
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
rm -rf "$scratch" && mkdir -p "$scratch"
wineboot --init >/dev/null 2>&1
home="$WINEPREFIX/drive_c/users/$(id -un)"
folder="$home/AppData/Local/Programs/Velmora"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
windows_folder='C:\users\'"$(id -un)"'\AppData\Local\Programs\Velmora'

wine "$setup" /S; wineserver -w
for f in Velmora.exe velmora-cli.exe calendar.ini events.ini content.htm uninstall.exe; do
    check "the silent install puts $f into the user's programs folder" test -f "$folder/$f"
done
check "a Start-menu shortcut" test -f "$shortcut"
for name in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation UninstallString QuietUninstallString EstimatedSize; do
    check "the uninstall entry has $name" test -n "$(reg_value "$uninstall_key" "$name")"
done
check "winget's and Scoop's manifests agree with the built files and with the uninstall entry" \
    python3 "$source_dir/tests/windows/manifests-check.py" "$(dirname "$setup")" "$version" "${uninstall_key##*\\}" \
    "$(reg_value "$uninstall_key" DisplayName)" "$(reg_value "$uninstall_key" Publisher)" \
    "$(reg_value "$uninstall_key" DisplayVersion)"
check "Start Velmora with Windows is on by default: the Run value is the program's quoted path" \
    test "$(reg_value "$run_key" Velmora)" = "\"$windows_folder\\Velmora.exe\""

wine "$driver" installed "$windows_folder"  # leaves the program running
# The user's own days live in the profile, which no install or uninstall touches.
my_days="$home/AppData/Roaming/Velmora/my-days.ini"
mkdir -p "$(dirname "$my_days")" && printf '[09]\r\n18=Mother'"'"'s birthday 1\r\n' > "$my_days"
cp "$my_days" "$scratch/my-days.ini"

printf '[01]\r\n1=my own occasion 1\r\n' >> "$folder/events.ini"
cp "$folder/events.ini" "$scratch/edited.ini"
wine "$setup" /S; wineserver -w
wine "$driver" absent
check "an install over it replaces events.ini with the shipped one" cmp -s "$folder/events.ini" "$shipped_events"
check "and keeps the user's as 'events (your edits).ini'" cmp -s "$folder/events (your edits).ini" "$scratch/edited.ini"
check "the install log says so" sh -c "iconv -f UTF-16 -t UTF-8 '$folder/install.log' | grep -q 'events.ini differed'"
check "an unedited calendar.ini gets no copy" test ! -e "$folder/calendar (your edits).ini"

# A second generation of edits: kept under a new name, the first one untouched.
printf '[01]\r\n2=a second edit 1\r\n' >> "$folder/events.ini"
cp "$folder/events.ini" "$scratch/edited-2.ini"
wine "$setup" /S; wineserver -w
check "a second reinstall keeps the first edits where they were" cmp -s "$folder/events (your edits).ini" "$scratch/edited.ini"
check "and the second as 'events (your edits 2).ini'" cmp -s "$folder/events (your edits 2).ini" "$scratch/edited-2.ini"
check "and the log says where" sh -c "iconv -f UTF-16 -t UTF-8 '$folder/install.log' | grep -q 'events (your edits 2).ini'"

# A frozen Velmora of this folder: the silent install says so and fails, and does not hang.
wine "$driver" installed "$windows_folder"
pid=$(pgrep -f 'Programs.Velmora.Velmora\.exe' | head -1)
kill -STOP "$pid" 2>/dev/null
timeout 120 wine "$setup" /S; status=$?
check "a frozen copy makes the silent install fail (exit $status), not hang nor report success" test "$status" -ne 0 -a "$status" -ne 124
check "and the log says why" sh -c "iconv -f UTF-16 -t UTF-8 '$folder/install.log' | grep -q 'does not exit'"
kill -CONT "$pid" 2>/dev/null; kill "$pid" 2>/dev/null; wineserver -w

# Velmora.exe held open by another program: the install fails and says which file.
wine "$driver" hold "$windows_folder\Velmora.exe" 40 &
holder=$!
sleep 8
timeout 120 wine "$setup" /S; status=$?
check "a locked Velmora.exe makes the silent install fail (exit $status)" test "$status" -ne 0 -a "$status" -ne 124
check "and the log names the file" sh -c "iconv -f UTF-16 -t UTF-8 '$folder/install.log' | grep -q 'cannot be replaced.*Velmora.exe'"
kill "$holder" 2>/dev/null; wineserver -w

# A portable copy running from another folder is none of the installer's business.
mkdir -p "$scratch/portable"
cp "$folder/Velmora.exe" "$folder/calendar.ini" "$folder/events.ini" "$scratch/portable/"
wine "$driver" installed "$(winepath -w "$scratch/portable")" >/dev/null
wine "$setup" /S; sleep 2  # no wineserver -w: the portable copy goes on running
check "the portable copy elsewhere keeps running" sh -c "wine '$driver' present | grep -q '^ok'"
wine "$driver" quit

# An edited calendar.ini survives the uninstall.
printf '; my note\r\n' >> "$folder/calendar.ini"
cp "$folder/calendar.ini" "$scratch/calendar-edited.ini"

wine "$folder/uninstall.exe" /S; wineserver -w
for i in $(seq 30); do [ -e "$folder/Velmora.exe" ] || break; sleep 1; done
check "the silent uninstall removes the program and its shipped files, and leaves every file the user made" \
    test "$(ls "$folder" | tr '\n' '|')" = "calendar.ini|events (your edits 2).ini|events (your edits).ini|install.log|"
check "the edited calendar.ini is kept, whole" cmp -s "$folder/calendar.ini" "$scratch/calendar-edited.ini"
check "and the log says so" sh -c "iconv -f UTF-16 -t UTF-8 '$folder/install.log' | grep -q 'calendar.ini differs'"
check "and the shortcut" test ! -e "$shortcut"
check "reinstalls and the uninstall leave my-days.ini in the profile as it was" cmp -s "$my_days" "$scratch/my-days.ini"
check "and the uninstall entry" test -z "$(reg_value "$uninstall_key" DisplayName)"
check "and the Run value" test -z "$(reg_value "$run_key" Velmora)"

# /PATH adds velmora-cli's folder to the user's PATH; the uninstall takes it out again.
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d 'C:\tools' /f >/dev/null 2>&1
wine "$setup" /S /PATH; wineserver -w
check "/PATH puts the program's folder on the user's PATH" test "$(reg_value 'HKCU\Environment' Path)" = "C:\tools;$windows_folder"
wine "$folder/uninstall.exe" /S; wineserver -w
for i in $(seq 30); do [ -e "$folder/Velmora.exe" ] || break; sleep 1; done
check "and the uninstall takes it off, leaving the rest" test "$(reg_value 'HKCU\Environment' Path)" = "C:\tools"

# A folder with a Persian name: install.log writes it as it is.
persian='C:\users\'"$(id -un)"'\تقویم\Velmora'
wine "$setup" /S "/D=$persian"; wineserver -w
persian_folder="$home/تقویم/Velmora"
check "installed into a folder with a Persian name" test -f "$persian_folder/Velmora.exe"
check "and install.log names it readably" sh -c "iconv -f UTF-16 -t UTF-8 '$persian_folder/install.log' | grep -q 'تقویم'"
# The evening Iran announces Shawwal 1448 a day early, and later Muharram 1449 a day late, the
# user corrects both; then a newer Velmora comes whose table holds Shawwal 1448 as published.
cli="$persian_folder/velmora-cli.exe"
wine "$cli" lunar start 1448-10 2027-03-09 >/dev/null 2>&1
wine "$cli" lunar start 1449-01 2027-06-07 >/dev/null 2>&1
cp "$persian_folder/calendar.ini" "$scratch/calendar-corrected.ini"
check "the user's table records both corrections" sh -c "grep -q 'correction 1449/1=29' '$scratch/calendar-corrected.ini'"
mkdir -p "$scratch/newer" && cp "$release_files"/* "$scratch/newer/"
sed -i 's#^publishedMonths=1448/1-1448/9#publishedMonths=1448/1-1448/10#; s#^firstPredictedMonth=1448/10#firstPredictedMonth=1448/11#' \
    "$scratch/newer/calendar.ini"
"$makensis" -V1 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE_DIR="$source_dir" -DBUILD_DIR="$scratch/newer" \
    -DSIGN="$source_dir/cmake/sign.sh" -DOUT_FILE="$scratch/newer-setup.exe" "$source_dir/installer/velmora.nsi" >/dev/null
wine "$scratch/newer-setup.exe" /S "/D=$persian"; wineserver -w
check "the newer install keeps the corrected table as 'calendar (your edits).ini'" \
    cmp -s "$persian_folder/calendar (your edits).ini" "$scratch/calendar-corrected.ini"
shown=$(wine "$cli" lunar show 1449 2>/dev/null | tr -d '\r')
check "and corrects Muharram 1449 again in the new table, which still predicts it" \
    sh -c "echo '$shown' | grep -q '^1449-01	Muharram	2027-06-07	1406-03-17	29	corrected'"
shown=$(wine "$cli" lunar show 1448 2>/dev/null | tr -d '\r')
check "but Shawwal 1448, published in the new table, keeps the table's first day (official wins)" \
    sh -c "echo '$shown' | grep -q '^1448-10	Shawwal	2027-03-10	1405-12-19	29	published'"
check "the new table passes its check" sh -c "wine '$cli' check >/dev/null 2>&1"
check "install.log says what was carried and what gave way" sh -c \
    "iconv -f UTF-16 -t UTF-8 '$persian_folder/install.log' | grep -q 'Muharram) begins on 2027-06-07, as you corrected it' &&
     iconv -f UTF-16 -t UTF-8 '$persian_folder/install.log' | grep -q 'Shawwal): the new table holds it as published; your correction gives way'"

# A newer program from the signed feed: the installed Velmora (made to trust this run's
# throwaway key) offers it, fetches it from a server on 127.0.0.1, checks its SHA-256, runs it
# with /S and exits; the installer puts it in place and starts it.
mkdir -p "$scratch/site"
"$makensis" -V1 -INPUTCHARSET UTF8 -DVERSION=9.9.9 -DSOURCE_DIR="$source_dir" -DBUILD_DIR="$release_files" \
    -DSIGN="$source_dir/cmake/sign.sh" -DOUT_FILE="$scratch/site/Velmora-9.9.9-setup.exe" "$source_dir/installer/velmora.nsi" >/dev/null
cp "$persian_folder/calendar.ini" "$persian_folder/events.ini" "$scratch/site/"
openssl ecparam -name prime256v1 -genkey -noout -out "$scratch/private.pem" 2>/dev/null
openssl ec -in "$scratch/private.pem" -pubout -out "$scratch/public.pem" 2>/dev/null
node "$source_dir/tools/publish-update.js" --key "$scratch/private.pem" --version 9.9.9 \
    --installer Velmora-9.9.9-setup.exe --changes "Velmora 9.9.9" "$scratch/site" > "$scratch/site/feed.txt"
python3 "$source_dir/tests/windows/with-test-key.py" "$source_dir/update/feed.h" "$persian_folder/Velmora.exe" \
    "$scratch/public.pem" "$scratch/Velmora-test-key.exe" && cp "$scratch/Velmora-test-key.exe" "$persian_folder/Velmora.exe"
. "$source_dir/tests/serve-folder.sh"
serve "$scratch/site" "$scratch/server.log"
wine reg add 'HKCU\Software\Velmora' /v UpdateFeed /t REG_SZ /d "http://127.0.0.1:$served_port/feed.txt" /f >/dev/null 2>&1
wine "$driver" program-update "$persian"
check "the uninstall entry is the new version's" test "$(reg_value "$uninstall_key" DisplayVersion)" = "9.9.9"
check "and install.log says it was installed in place" sh -c \
    "iconv -f UTF-16 -t UTF-8 '$persian_folder/install.log' | grep -q 'Velmora 9.9.9 installed into .*تقویم'"
check "the installer came from the feed's server" grep -q "GET /Velmora-9.9.9-setup.exe" "$scratch/server.log"
kill $served_pid 2>/dev/null
wine "$driver" quit >/dev/null
wineserver -k 2>/dev/null
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
