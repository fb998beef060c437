; The Windows installer of Velmora, for the current user, without administrator rights.
;
;   makensis -DVERSION=4.5.0 -DSOURCE_DIR=. -DBUILD_DIR=build/windows -DOUT_FILE=Velmora-4.5.0-setup.exe installer/velmora.nsi
;
; The build (cmake --preset mingw && cmake --build --preset mingw) runs it. BUILD_DIR holds Velmora.exe, velmora-cli.exe, calendar.ini, events.ini and content.htm.
; Silent install and uninstall: /S.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

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

Var log  ; install.log beside the program: what was done to files the user may have edited

; A running Velmora is asked to exit (as File > Exit does: it removes its tray icon and
; loses nothing, since all it keeps is in the registry) before its files are replaced.
!macro EndRunningCopy
    FindWindow $0 "calendar" "Velmora"
    ${If} $0 <> 0
        DetailPrint "$(AskingToExit)"
        SendMessage $0 ${WM_COMMAND} ${FILE_EXIT} 0
        StrCpy $1 0
        ${Do}
            Sleep 200
            FindWindow $0 "calendar" "Velmora"
            ${If} $0 = 0
                ${Break}
            ${EndIf}
            IntOp $1 $1 + 1
        ${LoopUntil} $1 >= 50
    ${EndIf}
!macroend

; Installs a data file the user may have edited: an installed copy that differs from the
; new one is kept beside it as "NAME (your edits).ini", and the log says so.
!macro InstallDataFile NAME BASE
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        File "/oname=$PLUGINSDIR\${NAME}" "${BUILD_DIR}\${NAME}"
        ClearErrors
        FileOpen $2 "$INSTDIR\${NAME}" r
        FileOpen $3 "$PLUGINSDIR\${NAME}" r
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
        ${If} $4 == "different"
            Rename "$INSTDIR\${NAME}" "$INSTDIR\${BASE} (your edits).ini"
            FileWrite $log "${NAME} differed from the one installed now; yours is kept as ${BASE} (your edits).ini$\r$\n"
            DetailPrint "${NAME} $(KeptAs) ${BASE} (your edits).ini"
        ${EndIf}
    ${EndIf}
    File "${BUILD_DIR}\${NAME}"
!macroend

Section "$(ProgramSection)" SectionProgram
    SectionIn RO
    InitPluginsDir
    !insertmacro EndRunningCopy
    SetOutPath "$INSTDIR"
    FileOpen $log "$INSTDIR\install.log" a
    FileSeek $log 0 END
    FileWrite $log "Velmora ${VERSION} installed into $INSTDIR$\r$\n"
    File "${BUILD_DIR}\Velmora.exe"
    File "${BUILD_DIR}\velmora-cli.exe"
    File "${BUILD_DIR}\content.htm"
    !insertmacro InstallDataFile "calendar.ini" "calendar"
    !insertmacro InstallDataFile "events.ini" "events"
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

Section "Uninstall"
    !insertmacro EndRunningCopy
    Delete "$INSTDIR\Velmora.exe"
    Delete "$INSTDIR\velmora-cli.exe"
    Delete "$INSTDIR\content.htm"
    Delete "$INSTDIR\calendar.ini"
    Delete "$INSTDIR\events.ini"
    Delete "$INSTDIR\install.log"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"  ; only when empty: files the user made stay
    SetShellVarContext current
    Delete "$SMPROGRAMS\Velmora.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegValue HKCU "${RUN_KEY}" "Velmora"
SectionEnd
