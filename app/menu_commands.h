// The window's menus and the commands that need nothing of the window: starting with
// Windows, the reminder switches, the help and the product's page. The menu bar and the tray
// menu are remade in the interface's language and marked with what is chosen now. Windows
// only.
#pragma once

#include <windows.h>

#include "app/catalogue.h"
#include "calendar/calendar.h"
#include "calendar/date_text.h"
#include "decisions/theme.h"

namespace velmora {

class MenuCommands {
  public:
    MenuCommands();
    ~MenuCommands();
    MenuCommands(const MenuCommands&) = delete;
    MenuCommands& operator=(const MenuCommands&) = delete;

    // Both menus anew in the words' language, the bar set on window; mode is checked, and Hijri
    // mode and the lunar correction offered when there is a lunar table.
    void applyWords(HWND window, const Catalogue& words, Calendar mode, bool lunarTable);
    void checkMode(Calendar mode);
    void checkTheme(ThemeSetting setting);
    void checkDigits(DigitChoice choice);
    void offerLunar(bool lunarTable);
    // Carries out a command of its own; false for any other.
    bool run(WORD id, const Catalogue& words);

    HMENU bar() const { return bar_; }
    HMENU tray() const { return tray_; }
    bool remindersOn() const;
    bool eveningBeforeOn() const;
    // Option > Check for Updates by Myself.
    bool checkByMyselfOn() const;

  private:
    void replaceStartupItem(UINT removed, UINT added, UINT text, const Catalogue& words);
    void checkReminderItems();

    HMENU bar_ = nullptr;
    HMENU trayRoot_ = nullptr;
    HMENU tray_ = nullptr;
    bool registeredAtStartup_ = false;
};

}  // namespace velmora
