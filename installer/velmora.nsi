; The Windows installer of Velmora, for the current user, without administrator rights.
;
;   makensis -DVERSION=4.5.0 -DSOURCE_DIR=. -DBUILD_DIR=build/windows -DOUT_FILE=Velmora-4.5.0-setup.exe installer/velmora.nsi
;
; The build (cmake --preset mingw && cmake --build --preset mingw) runs it. BUILD_DIR holds Velmora.exe, velmora-cli.exe, calendar.ini, events.ini and content.htm.
; Silent install and uninstall: /S.

Unicode true
; With a certificate given, the uninstaller and the setup are signed as they are written.
!ifdef SIGN
    !uninstfinalize 'sh "${SIGN}" "%1"'
    !finalize 'sh "${SIGN}" "%1"'
!endif
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"
!include "WordFunc.nsh"

!define PRODUCT "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define FILE_EXIT 40002  ; the program's File > Exit command

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Velmora ${VERSION} setup"
VIAddVersionKey "CompanyName" "Velmora"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 Velmora (velmora.co.ir)"

!define MUI_ICON "${SOURCE_DIR}/resources/images/calendar.ico"
!define MUI_UNICON "${SOURCE_DIR}/resources/images/calendar.ico"
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velmora.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNowText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages speak the language of Windows' interface: Persian on a Persian Windows.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Farsi"

LangString WelcomeText ${LANG_ENGLISH} "Setup will install Velmora ${VERSION}, the Solar Hijri calendar of the notification area, for you alone: into your programs folder, without administrator rights.$\r$\n$\r$\nA Velmora that is running is closed first. If you edited calendar.ini or events.ini, your copy is kept beside the new one.$\r$\n$\r$\nClick Next to continue."
LangString WelcomeText ${LANG_FARSI} "برنامهٔ نصب، Velmora ${VERSION} (تقویم هجری خورشیدی کنار ساعت ویندوز) را تنها برای شما در پوشهٔ برنامه‌هایتان نصب می‌کند و به دسترسی مدیر نیازی ندارد.$\r$\n$\r$\nاگر Velmora در حال اجرا باشد، نخست بسته می‌شود. اگر calendar.ini یا events.ini را ویرایش کرده باشید، نسخهٔ شما کنار نسخهٔ تازه نگه داشته می‌شود.$\r$\n$\r$\nبرای ادامه «بعدی» را بزنید."
LangString StartNowText ${LANG_ENGLISH} "Start Velmora now"
LangString StartNowText ${LANG_FARSI} "اکنون Velmora را اجرا کن"
LangString ProgramSection ${LANG_ENGLISH} "Velmora"
LangString ProgramSection ${LANG_FARSI} "Velmora"
LangString StartupSection ${LANG_ENGLISH} "Start Velmora with Windows"
LangString StartupSection ${LANG_FARSI} "اجرای Velmora با آغاز ویندوز"
LangString AskingToExit ${LANG_ENGLISH} "Asking the running Velmora to exit"
LangString AskingToExit ${LANG_FARSI} "درخواست بسته‌شدن از Velmora در حال اجرا"
LangString KeptAs ${LANG_ENGLISH} "is kept as"
LangString KeptAs ${LANG_FARSI} "نگه داشته شد با نام"
LangString StillRunning ${LANG_ENGLISH} "The running Velmora does not exit; close it (or end it in Task Manager) and run setup again. Nothing was changed:"
LangString StillRunning ${LANG_FARSI} "Velmora در حال اجرا بسته نمی‌شود؛ آن را ببندید (یا در Task Manager پایان دهید) و نصب را دوباره اجرا کنید. چیزی تغییر نکرد:"
LangString CannotReplace ${LANG_ENGLISH} "A file cannot be replaced; is Velmora or another program using it? Close it and run setup again:"
LangString CannotReplace ${LANG_FARSI} "پرونده‌ای جایگزین نمی‌شود؛ آیا Velmora یا برنامهٔ دیگری آن را باز کرده است؟ آن را ببندید و نصب را دوباره اجرا کنید:"
LangString CannotKeep ${LANG_ENGLISH} "Your edited file cannot be kept aside, so it was not replaced:"
LangString CannotKeep ${LANG_FARSI} "پروندهٔ ویرایش‌شدهٔ شما کنار گذاشته نمی‌شود، پس جایگزین نشد:"
LangString KeptOnUninstall ${LANG_ENGLISH} "differs from the one installed, so it is kept:"
LangString KeptOnUninstall ${LANG_FARSI} "با پروندهٔ نصب‌شده فرق دارد و نگه داشته شد:"
LangString PathSection ${LANG_ENGLISH} "Add velmora-cli to my PATH"
LangString PathSection ${LANG_FARSI} "افزودن velmora-cli به PATH من"

Var log  ; install.log beside the program, UTF-16: what was done to files the user may have edited

; Appends a line to install.log.
!macro Log TEXT
    FileWriteUTF16LE $log "${TEXT}$\r$\n"
!macroend

; Opens install.log for appending, with a byte-order mark when it is new.
!macro OpenLog
    FileOpen $log "$INSTDIR\install.log" a
    FileSeek $log 0 END $0
    ${If} $0 == 0
        FileWriteWord $log 0xFEFF
    ${EndIf}
!macroend

; Says what went wrong, in the log, on the page and in a box (none with /S), and ends with
; exit code 2, so that a silent install never reports success it did not have.
!macro Fail TEXT
    DetailPrint "${TEXT}"
    !insertmacro Log "${TEXT}"
    FileClose $log
    MessageBox MB_ICONSTOP|MB_OK "${TEXT}" /SD IDOK
    SetErrorLevel 2
    Quit
!macroend

; The running Velmora of this folder is asked to exit (as File > Exit does: it removes its
; tray icon and loses nothing), without waiting on a copy that does not answer; a copy
; running from another folder is left alone. A copy that does not exit ends the install.
!macro EndRunningCopy
    StrCpy $7 0  ; the window found before, to look on after it
    ${Do}
        FindWindow $0 "calendar" "Velmora" "" $7
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        StrCpy $7 $0
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
        System::Call 'kernel32::OpenProcess(i 0x101000, i 0, i r1) p .r2'  ; query and wait
        StrCpy $3 ""
        ${If} $2 P<> 0
            System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
            ${If} $3 == "$INSTDIR\Velmora.exe"
                DetailPrint "$(AskingToExit)"
                SendMessage $0 ${WM_COMMAND} ${FILE_EXIT} 0 /TIMEOUT=3000
                System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r4'
                System::Call 'kernel32::CloseHandle(p r2)'
                ${If} $4 <> 0
                    !insertmacro Fail "$(StillRunning) $INSTDIR\Velmora.exe"
                ${EndIf}
                StrCpy $7 0  ; the windows changed: look again from the first
            ${Else}
                System::Call 'kernel32::CloseHandle(p r2)'
            ${EndIf}
        ${EndIf}
    ${Loop}
!macroend

; A file put in place, or the install ends saying which could not be.
!macro InstallFile NAME
    ClearErrors
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        FileOpen $5 "$INSTDIR\${NAME}" a  ; can it be written at all?
        ${If} ${Errors}
            !insertmacro Fail "$(CannotReplace) $INSTDIR\${NAME}"
        ${EndIf}
        FileClose $5
    ${EndIf}
    File "${BUILD_DIR}\${NAME}"
    ${If} ${Errors}
        !insertmacro Fail "$(CannotReplace) $INSTDIR\${NAME}"
    ${EndIf}
!macroend

; Whether two files hold the same bytes: $4 is "same" or "different".
!macro CompareFiles FIRST SECOND
    ClearErrors
    FileOpen $2 "${FIRST}" r
    FileOpen $3 "${SECOND}" r
    StrCpy $4 "same"
    ${Do}
        FileReadByte $2 $5
        IfErrors 0 +2
            StrCpy $5 "end"
        ClearErrors
        FileReadByte $3 $6
        IfErrors 0 +2
            StrCpy $6 "end"
        ClearErrors
        ${If} $5 != $6
            StrCpy $4 "different"
            ${Break}
        ${EndIf}
    ${LoopUntil} $5 == "end"
    FileClose $2
    FileClose $3
!macroend

; Installs a data file the user may have edited: an installed copy that differs from the
; new one is kept beside it under a name not taken yet ("NAME (your edits).ini", then
; "(your edits 2)" and on), every generation of edits stays, and the log says where.
!macro InstallDataFile NAME BASE
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        File "/oname=$PLUGINSDIR\${NAME}" "${BUILD_DIR}\${NAME}"
        !insertmacro CompareFiles "$INSTDIR\${NAME}" "$PLUGINSDIR\${NAME}"
        ${If} $4 == "different"
            StrCpy $8 "$INSTDIR\${BASE} (your edits).ini"
            StrCpy $9 1
            ${DoWhile} ${FileExists} "$8"
                IntOp $9 $9 + 1
                StrCpy $8 "$INSTDIR\${BASE} (your edits $9).ini"
            ${Loop}
            ClearErrors
            Rename "$INSTDIR\${NAME}" "$8"
            ${If} ${Errors}
                !insertmacro Fail "$(CannotKeep) $INSTDIR\${NAME}"
            ${EndIf}
            !insertmacro Log "${NAME} differed from the one installed now; yours is kept as $8"
            DetailPrint "${NAME} $(KeptAs) $8"
        ${EndIf}
    ${EndIf}
    !insertmacro InstallFile "${NAME}"
!macroend

; The lunar months the user corrected in a kept calendar.ini are corrected again in the new
; table where it still predicts them (a month it holds as official or published keeps its
; days); velmora-cli says what it did with each, and the log keeps it.
!macro CarryLunarCorrections KEPT
    nsExec::ExecToStack '"$INSTDIR\velmora-cli.exe" lunar carry "${KEPT}"'
    Pop $0  ; the exit code, or "error" when it could not be started
    Pop $1  ; what it said
    ${If} $0 == "error"  ; a program just written may be held a moment (a virus scanner, Wine): once more
        Sleep 2000
        nsExec::ExecToStack '"$INSTDIR\velmora-cli.exe" lunar carry "${KEPT}"'
        Pop $0
        Pop $1
    ${EndIf}
    ${If} $0 == 0
        !insertmacro Log "lunar months corrected in ${KEPT}, carried into the new calendar.ini:$\r$\n$1"
    ${Else}
        !insertmacro Log "the lunar corrections of ${KEPT} were not carried into the new calendar.ini ($0): $1"
    ${EndIf}
!macroend

Section "$(ProgramSection)" SectionProgram
    SectionIn RO
    InitPluginsDir
    SetOutPath "$INSTDIR"
    !insertmacro OpenLog
    !insertmacro EndRunningCopy
    !insertmacro InstallFile "Velmora.exe"
    !insertmacro InstallFile "velmora-cli.exe"
    !insertmacro InstallFile "content.htm"
    StrCpy $4 ""
    !insertmacro InstallDataFile "calendar.ini" "calendar"
    ${If} $4 == "different"
        !insertmacro CarryLunarCorrections "$8"
    ${EndIf}
    !insertmacro InstallDataFile "events.ini" "events"
    !insertmacro Log "Velmora ${VERSION} installed into $INSTDIR"
    FileClose $log
    WriteUninstaller "$INSTDIR\uninstall.exe"

    SetShellVarContext current
    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\Velmora.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://velmora.co.ir/"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The same value the program's "Add To Startup" writes.
Section "$(StartupSection)" SectionStartup
    WriteRegStr HKCU "${RUN_KEY}" "Velmora" '"$INSTDIR\Velmora.exe"'
SectionEnd

; velmora-cli from any console: the folder joins the user's PATH (off unless chosen).
Section /o "$(PathSection)" SectionPath
    ReadRegStr $0 HKCU "Environment" "Path"
    ${If} $0 == ""
        StrCpy $0 "$INSTDIR"
    ${Else}
        StrCpy $0 "$0;$INSTDIR"
    ${EndIf}
    WriteRegExpandStr HKCU "Environment" "Path" "$0"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "AddedToPath" 1
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=3000
SectionEnd

; /PATH on the command line chooses the PATH section, as its box does on the page (for
; silent installs).
Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PATH" $1
    ${IfNot} ${Errors}
        SectionGetFlags ${SectionPath} $2
        IntOp $2 $2 | ${SF_SELECTED}
        SectionSetFlags ${SectionPath} $2
    ${EndIf}
FunctionEnd

; /RESTART starts the installed Velmora when the install succeeded: Velmora runs its update
; this way (/S /RESTART) and exits so that it can be replaced.
Function .onInstSuccess
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/RESTART" $1
    ${IfNot} ${Errors}
        Exec '"$INSTDIR\Velmora.exe"'
    ${EndIf}
FunctionEnd

; Removes a shipped data file unless the user changed it: the uninstaller carries the files
; it installed and compares.
!macro RemoveDataFile NAME
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        File "/oname=$PLUGINSDIR\${NAME}" "${BUILD_DIR}\${NAME}"
        !insertmacro CompareFiles "$INSTDIR\${NAME}" "$PLUGINSDIR\${NAME}"
        ${If} $4 == "same"
            Delete "$INSTDIR\${NAME}"
        ${Else}
            StrCpy $R0 "kept"
            !insertmacro Log "${NAME} $(KeptOnUninstall) $INSTDIR\${NAME}"
            DetailPrint "${NAME} $(KeptOnUninstall) $INSTDIR\${NAME}"
        ${EndIf}
    ${EndIf}
!macroend

Section "Uninstall"
    InitPluginsDir
    !insertmacro OpenLog
    !insertmacro EndRunningCopy
    Delete "$INSTDIR\Velmora.exe"
    Delete "$INSTDIR\velmora-cli.exe"
    Delete "$INSTDIR\content.htm"
    StrCpy $R0 ""
    !insertmacro RemoveDataFile "calendar.ini"
    !insertmacro RemoveDataFile "events.ini"
    FileClose $log
    ${If} $R0 == ""
        Delete "$INSTDIR\install.log"  ; nothing of the user's to account for
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"  ; only when empty: files the user made stay
    SetShellVarContext current
    Delete "$SMPROGRAMS\Velmora.lnk"
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 = 1
        ReadRegStr $1 HKCU "Environment" "Path"
        ${un.WordReplace} "$1" ";$INSTDIR" "" "+" $1
        ${un.WordReplace} "$1" "$INSTDIR" "" "+" $1
        WriteRegExpandStr HKCU "Environment" "Path" "$1"
        SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=3000
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegValue HKCU "${RUN_KEY}" "Velmora"
SectionEnd
