#!/bin/sh
# The release installer in a scratch Wine prefix, as a user meets it: a silent install, the
# installed program and its version, an install over an edited events.ini with the program
# running, and a silent uninstall that leaves only what the user made.
#   installer-test.sh SETUP.EXE DRIVER.EXE SHIPPED-EVENTS.INI SCRATCH-FOLDER
set -u
setup=$1 driver=$2 shipped_events=$3 scratch=$4
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
passed=0 failed=0
check() {  # condition-command..., description last
    description=$1; shift
    if "$@"; then passed=$((passed + 1)); echo "ok - $description"
    else failed=$((failed + 1)); echo "not ok - $description"; fi
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
check "Start Velmora with Windows is on by default: the Run value is the program's quoted path" \
    test "$(reg_value "$run_key" Velmora)" = "\"$windows_folder\\Velmora.exe\""

wine "$driver" installed "$windows_folder"  # leaves the program running

printf '[01]\r\n1=my own occasion 1\r\n' >> "$folder/events.ini"
cp "$folder/events.ini" "$scratch/edited.ini"
wine "$setup" /S; wineserver -w
wine "$driver" absent
check "an install over it replaces events.ini with the shipped one" cmp -s "$folder/events.ini" "$shipped_events"
check "and keeps the user's as 'events (your edits).ini'" cmp -s "$folder/events (your edits).ini" "$scratch/edited.ini"
check "the install log says so" grep -q "events.ini differed" "$folder/install.log"
check "an unedited calendar.ini gets no copy" test ! -e "$folder/calendar (your edits).ini"

wine "$folder/uninstall.exe" /S; wineserver -w
for i in $(seq 30); do [ -e "$folder/Velmora.exe" ] || break; sleep 1; done
check "the silent uninstall removes the program and its shipped files" \
    test "$(ls "$folder")" = "events (your edits).ini"
check "and the shortcut" test ! -e "$shortcut"
check "and the uninstall entry" test -z "$(reg_value "$uninstall_key" DisplayName)"
check "and the Run value" test -z "$(reg_value "$run_key" Velmora)"
wineserver -k 2>/dev/null
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
