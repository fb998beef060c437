// Questions a test driver in another process asks the main window by registered messages:
// menus are not shared across processes under Wine, and its GetGuiResources answers 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/tray_icon.h"
#include "occasions/calendar_files.h"
#include "render/month_layout.h"
#include "render/scaled_surface.h"

namespace velmora {

// What the answers are made of, gathered by the main window when a question comes.
struct DriverFacts {
    HMENU mainMenu = nullptr;
    bool lunarTable = false;          // the lunar table is in use
    bool eventsFile = false;          // events.ini is there
    std::int32_t trayDay = 0;         // the Solar Hijri day of the tray icon; 0 while there is none
    std::int32_t trayIdentifier = 0;  // the identifier it is added under; 0 while there is none
    std::int32_t trayAdditions = 0;   // how many times it was added
    std::int32_t liveGdiObjects = 0;
    std::u16string trayTooltip;  // what the tray icon's tooltip says
    std::u16string trayBalloon;  // the last balloon's text
    // The shown month, laid out, and the paint's client size (96-dpi pixels), which the
    // questions about its days are answered from.
    MonthLayout shownMonth;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    // How a point of the paint reaches a mouse message: at the window's scale, and counted
    // from the right of a mirrored window's client area, this many device pixels wide (0 for
    // a window that is not mirrored).
    DisplayScale scale{96};
    std::int32_t mirroredWidth = 0;
};

// The facts, from the window's parts: its menu bar, its data files, its GDI objects, its tray
// icon (none before it is made) and the shown month with the paint's client size.
DriverFacts gatherDriverFacts(HMENU bar, const CalendarFiles& files, std::int32_t liveGdiObjects, const TrayIcon* tray,
                              MonthLayout shownMonth, std::int32_t clientWidth, std::int32_t clientHeight);

class DriverQueries {
  public:
    DriverQueries();

    bool isQuestion(UINT message) const;
    // Velmora.LiveGdiObjects: the live GDI objects. Velmora.MenuItemState: GetMenuState of the
    // main menu's item wParam. Velmora.DataState: 1 for the lunar table, 2 for events.ini.
    // Velmora.TrayDay: the tray icon's day. Velmora.TrayIdentity: its identifier in the low
    // word, how many times it was added in the high word. Velmora.TrayText: the UTF-16 unit at
    // index LOWORD(wParam) of the tooltip (HIWORD 0) or the last balloon (1); -1 past its end.
    // Velmora.LunarOfDay: the lunar date of day wParam of the shown month as year * 10000 +
    // month * 100 + day, plus 1 << 30 when it is a prediction and 1 << 29 when the shown month
    // is headed as predicted; 0 for none. Velmora.CellOfDay: the client point where day wParam
    // of the shown month is drawn, as a mouse message there carries it: x in the low word and y
    // in the high word; 0 for none.
    std::optional<LRESULT> answer(UINT message, WPARAM wParam, const DriverFacts& facts) const;

  private:
    UINT liveGdiObjects_;
    UINT menuItemState_;
    UINT dataState_;
    UINT trayDay_;
    UINT trayIdentity_;
    UINT trayText_;
    UINT lunarOfDay_;
    UINT cellOfDay_;
};

}  // namespace velmora
