// The program's one state record, owned by the main window. Windows only.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "app/gdi_surface.h"
#include "decisions/navigation.h"
#include "occasions/occasions.h"
#include "render/surface.h"

namespace velmora {

inline constexpr UINT kTrayMessage = WM_USER + 1;
inline constexpr UINT kTellDataProblemMessage = WM_APP + 1;
inline constexpr UINT_PTR kDayChangeTimer = 1;

struct AppState {
    // Identity, windows and menus.
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    WNDPROC yearEditBaseProc = nullptr;
    HMENU mainMenu = nullptr;
    HMENU trayMenu = nullptr;
    HWND tooltip = nullptr;
    std::array<bool, 3> tooltipToolAdded{};  // next, previous, all occasions
    MonthButtonTips buttonTips;              // what the month buttons' tooltips say now
    HWND occasionsDialog = nullptr;

    // Child controls.
    HWND yearEdit = nullptr;
    HWND yearUpDown = nullptr;
    HWND jalaliMonthCombo = nullptr;
    HWND gregorianMonthCombo = nullptr;
    HWND hijriMonthCombo = nullptr;
    HWND previousMonthButton = nullptr;
    HWND nextMonthButton = nullptr;
    HWND allOccasionsButton = nullptr;

    // Display state: the mode, the shown (Gregorian) date and the month boxes' memory.
    NavigationState navigation;

    // Metrics, in pixels.
    std::int32_t charWidth = 0;
    std::int32_t charHeight = 0;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;

    // The data files beside the executable, with the lunar table's bounds read at creation.
    std::unique_ptr<CalendarFiles> files;

    bool trayIconAdded = false;     // whether the notification area took it
    HICON trayIconImage = nullptr;  // the picture it shows, ours to destroy
    std::int32_t trayIconId = 0;    // the Solar Hijri day the tray icon was added under; 0: none
    UINT taskbarCreatedMessage = 0;
    // Questions a test driver in another process may ask (menus are not shared across
    // processes under Wine): the live GDI objects, and the state of a menu item.
    UINT liveGdiObjectsMessage = 0;
    UINT menuItemStateMessage = 0;
    // And what data the program uses: 1 the lunar table, 2 events.ini.
    UINT dataStateMessage = 0;
    UINT trayDayMessage = 0;  // and the Solar Hijri day of the tray icon

    // What the user was last told of a damaged calendar.ini; empty while it is sound.
    std::u16string toldDataProblem;

    // The eight fonts, in creation order (FontId order).
    std::array<HFONT, kProgramFontCount> fonts{};
    // The weekday bitmaps, loaded once.
    std::unique_ptr<BitmapCache> bitmaps;
    // What the main window paints on before it shows the picture.
    std::unique_ptr<OffscreenCanvas> canvas;
    // Where the child controls stand, in client coordinates, as laid out for this size.
    std::vector<std::pair<HWND, RECT>> childPlaces;

    // The local date and time, read at the start of every message of the main window.
    SYSTEMTIME now{};
    // The day the program takes for today: its tray icon's day, until the clock says otherwise.
    CivilDate knownToday;

    CivilDate today() const { return {now.wYear, now.wMonth, now.wDay}; }
    const CalendarData& data() const { return files->data(); }
    NavigationContext navigationContext() const { return {data(), today()}; }
};

extern AppState app;

// Message handlers spread over app/: each file owns one concern.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yearEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Navigation (app/navigation_commands.cpp).
bool onNavigationCommand(WORD id);
void onMonthSelected();
void onYearStep(const NMHDR* header);
void updateButtonTooltips();

// An icon of the program's resources at the size the display's scale asks for
// (app/display_scale.cpp); the caller destroys it.
HICON loadScaledIcon(HINSTANCE instance, const wchar_t* name, int pixelsAt96);

// Tray (app/tray_icon.cpp).
void updateTrayIcon();
// Adds the icon again if it is wanted but the notification area refused it.
void retryTrayIcon();
void removeTrayIcon();
void onTrayNotify(LPARAM mouseMessage);
void onTaskbarCreated();

// Menu commands (app/menu_commands.cpp).
bool onMenuCommand(WORD id);
void detectStartupRegistration();

// The occasions dialog (app/occasions_dialog.cpp).
void openOccasionsDialog();
void closeOccasionsDialog();

// After the shown date or the mode changed: brings the year box, the month boxes and the
// buttons' tooltips up to date (writing only what changed) and redraws the calendar.
void showShownMonth();

// Looks at calendar.ini and events.ini again, as before every use; when calendar.ini has
// newly become damaged, the user is told once (by a message posted to the main window).
void refreshDataFiles();

// The month box of the display mode.
HWND modeCombo();

// Text of a control, whole.
std::u16string windowText(HWND window);
void setWindowText(HWND window, std::u16string_view text);

inline const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace velmora
