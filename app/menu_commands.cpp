#include "app/menu_commands.h"

#include <shellapi.h>

#include "app/startup_registration.h"
#include "app/theme.h"
#include "app/user_settings.h"
#include "app/win32_text.h"
#include "calendar/calendar_record.h"
#include "data/executable_folder.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr wchar_t kRemindersValue[] = L"MyDaysReminders";          // "off" turns the reminders off
constexpr wchar_t kEveningBeforeValue[] = L"MyDaysEveningBefore";  // "on" reminds the evening before too
constexpr wchar_t kCheckByMyselfValue[] = L"CheckForUpdates";      // "off" stops the daily look at the feed

}  // namespace

MenuCommands::MenuCommands() : registeredAtStartup_(isRegisteredAtStartup()) {}

MenuCommands::~MenuCommands() {
    if (trayRoot_ != nullptr) DestroyMenu(trayRoot_);  // the bar goes with its window
}

void MenuCommands::applyWords(HWND window, const Catalogue& words, Calendar mode, bool lunarTable) {
    const HMENU old = GetMenu(window);
    bar_ = words.menu(MAKEINTRESOURCEW(IDM_MAIN_MENU));
    SetMenu(window, bar_);
    if (old != nullptr) DestroyMenu(old);
    if (trayRoot_ != nullptr) DestroyMenu(trayRoot_);
    trayRoot_ = words.menu(L"SYSTRAY");
    tray_ = GetSubMenu(trayRoot_, 0);
    if (registeredAtStartup_)
        replaceStartupItem(IDM_OPTION_ADD_TO_STARTUP, IDM_OPTION_REMOVE_FROM_STARTUP, IDS_REMOVE_FROM_STARTUP, words);
    checkMode(mode);
    offerLunar(lunarTable);
    checkReminderItems();
    const UINT chosen = words.language() == Language::persian ? IDM_OPTION_PERSIAN : IDM_OPTION_ENGLISH;
    CheckMenuRadioItem(bar_, IDM_OPTION_ENGLISH, IDM_OPTION_PERSIAN, chosen, MF_BYCOMMAND);
    checkTheme(storedThemeSetting());
    checkDigits(storedDigitChoice());
    DrawMenuBar(window);
}

void MenuCommands::checkMode(Calendar mode) {
    for (const Calendar calendar : kCalendars) {
        CheckMenuItem(bar_, static_cast<UINT>(calendarRecord(calendar).modeMenuItem),
                      calendar == mode ? MF_CHECKED : MF_UNCHECKED);
    }
}

void MenuCommands::checkTheme(ThemeSetting setting) {
    CheckMenuRadioItem(bar_, IDM_THEME_AS_WINDOWS, IDM_THEME_DARK, IDM_THEME_AS_WINDOWS + static_cast<UINT>(setting),
                       MF_BYCOMMAND);
}

void MenuCommands::checkDigits(DigitChoice choice) {
    CheckMenuRadioItem(bar_, IDM_DIGITS_AS_LANGUAGE, IDM_DIGITS_LATIN,
                       IDM_DIGITS_AS_LANGUAGE + static_cast<UINT>(choice), MF_BYCOMMAND);
}

// Hijri mode is offered while there is a lunar table to show.
void MenuCommands::offerLunar(bool lunarTable) {
    EnableMenuItem(bar_, IDM_OPTION_HIJRI_MODE, MF_BYCOMMAND | (lunarTable ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(bar_, IDM_OPTION_CORRECT_LUNAR, MF_BYCOMMAND | (lunarTable ? MF_ENABLED : MF_GRAYED));
}

bool MenuCommands::run(WORD id, const Catalogue& words) {
    switch (id) {
        case IDM_OPTION_ADD_TO_STARTUP:
            registerAtStartup();
            registeredAtStartup_ = true;
            replaceStartupItem(IDM_OPTION_ADD_TO_STARTUP, IDM_OPTION_REMOVE_FROM_STARTUP, IDS_REMOVE_FROM_STARTUP,
                               words);
            return true;
        case IDM_OPTION_REMOVE_FROM_STARTUP:
            unregisterAtStartup();
            registeredAtStartup_ = false;
            replaceStartupItem(IDM_OPTION_REMOVE_FROM_STARTUP, IDM_OPTION_ADD_TO_STARTUP, IDS_ADD_TO_STARTUP, words);
            return true;
        case IDM_HELP_CONTENTS: {
            // The help holds both languages, the English part under #english.
            std::wstring url = L"file:///" + (executableFolder() / "content.htm").generic_wstring();
            if (words.language() == Language::english) url += L"#english";
            ShellExecuteW(nullptr, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            return true;
        }
        case IDM_OPTION_CHECK_BY_MYSELF:
            writeUserSetting(kCheckByMyselfValue, checkByMyselfOn() ? u"off" : u"on");
            checkReminderItems();
            return true;
        case IDM_OPTION_REMINDERS:
            writeUserSetting(kRemindersValue, remindersOn() ? u"off" : u"on");
            checkReminderItems();
            return true;
        case IDM_OPTION_REMIND_EVENING:
            writeUserSetting(kEveningBeforeValue, eveningBeforeOn() ? u"off" : u"on");
            checkReminderItems();
            return true;
        default: return false;
    }
}

bool MenuCommands::remindersOn() const { return readUserSetting(kRemindersValue) != u"off"; }
bool MenuCommands::eveningBeforeOn() const { return readUserSetting(kEveningBeforeValue) == u"on"; }
bool MenuCommands::checkByMyselfOn() const { return readUserSetting(kCheckByMyselfValue) != u"off"; }

// The last item of "Option" alternates between adding and removing the registration.
void MenuCommands::replaceStartupItem(UINT removed, UINT added, UINT text, const Catalogue& words) {
    const HMENU option = GetSubMenu(bar_, 1);  // in the middle in either language
    DeleteMenu(option, removed, MF_BYCOMMAND);
    const std::u16string item = words.text(text);
    AppendMenuW(option, MF_STRING, added, wide(item.c_str()));
}

void MenuCommands::checkReminderItems() {
    CheckMenuItem(bar_, IDM_OPTION_REMINDERS, MF_BYCOMMAND | (remindersOn() ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(bar_, IDM_OPTION_REMIND_EVENING, MF_BYCOMMAND | (eveningBeforeOn() ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(bar_, IDM_OPTION_REMIND_EVENING, MF_BYCOMMAND | (remindersOn() ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(bar_, IDM_OPTION_CHECK_BY_MYSELF, MF_BYCOMMAND | (checkByMyselfOn() ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace velmora
