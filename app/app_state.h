// The program's one state record, owned by the main window. Windows only.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "app/gdi_surface.h"
#include "occasions/occasions.h"
#include "render/surface.h"
#include "window/navigation.h"

namespace velmora {

inline constexpr UINT kTrayMessage = WM_USER + 1;
inline constexpr UINT_PTR kDayChangeTimer = 0;
inline constexpr UINT kDayChangeInterval = 600000;  // ten minutes

struct AppState {
    // Identity, windows and menus.
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    WNDPROC yearEditBaseProc = nullptr;
    HMENU mainMenu = nullptr;
    HMENU trayMenu = nullptr;
    HWND tooltip = nullptr;
    bool tooltipToolsAdded = false;
    MonthButtonTips buttonTips;  // what the month buttons' tooltips say now
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

    std::int32_t trayIconId = 0;  // the Solar Hijri day the tray icon was added under; 0: none
    UINT taskbarCreatedMessage = 0;
    // Questions a test driver in another process may ask (menus are not shared across
    // processes under Wine): the live GDI objects, and the state of a menu item.
    UINT liveGdiObjectsMessage = 0;
    UINT menuItemStateMessage = 0;

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

// Tray (app/tray.cpp).
void updateTrayIcon();
void removeTrayIcon();
void onTrayNotify(LPARAM mouseMessage);
void onTaskbarCreated();

// Menu commands (app/menu_commands.cpp).
bool onMenuCommand(WORD id);
void detectStartupRegistration();

// The occasions dialog (app/occasions_dialog_window.cpp).
void openOccasionsDialog();
void closeOccasionsDialog();

// After the shown date or the mode changed: brings the year box, the month boxes and the
// buttons' tooltips up to date (writing only what changed) and redraws the calendar.
void showShownMonth();

// The month box of the display mode.
HWND modeCombo();

// Text of a control, whole.
std::u16string windowText(HWND window);
void setWindowText(HWND window, std::u16string_view text);

inline const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace velmora
