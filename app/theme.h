// The theme the program draws in now, for the main window and every dialog: light, dark or
// high contrast, as the user chose under Option > Theme or as Windows says, and chosen again
// when Windows changes its mode or its high-contrast colours. Windows only.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "decisions/theme.h"

namespace velmora {

// Names of Windows 10 and 11 that Debian's MinGW-w64 headers lack, with their documented
// values (DWMWINDOWATTRIBUTE, DWM_WINDOW_CORNER_PREFERENCE, DWM_SYSTEMBACKDROP_TYPE).
inline constexpr DWORD kDwmaUseImmersiveDarkMode = 20;            // DWMWA_USE_IMMERSIVE_DARK_MODE
inline constexpr DWORD kDwmaUseImmersiveDarkModeBefore20H1 = 19;  // its number before Windows 10 20H1
inline constexpr DWORD kDwmaWindowCornerPreference = 33;          // DWMWA_WINDOW_CORNER_PREFERENCE
inline constexpr DWORD kDwmaSystemBackdropType = 38;              // DWMWA_SYSTEMBACKDROP_TYPE
inline constexpr DWORD kDwmCornerRound = 2;                       // DWMWCP_ROUND
inline constexpr DWORD kDwmBackdropMainWindow = 2;                // DWMSBT_MAINWINDOW (Mica)
inline constexpr DWORD kDwmBackdropTransientWindow = 3;           // DWMSBT_TRANSIENTWINDOW (acrylic)

ThemeSetting storedThemeSetting();
void storeThemeSetting(ThemeSetting setting);

// The palette in force; the light one until the first choice.
const Palette& activePalette();
// Chooses the palette for the stored setting and what Windows says now; true when it changed.
bool chooseActivePalette();

// The title bar, the child controls' look and colours, and on Windows 11 the corners and
// backdrop of a top-level window or dialog, for the palette in force. A process that has only
// ever been light leaves its windows as the system made them.
void themeWindow(HWND window, DWORD backdrop = kDwmBackdropTransientWindow);

// A WM_CTLCOLOR* message answered in the dark palette's colours; nothing in the other themes,
// whose controls keep the system's colours.
std::optional<LRESULT> themedControlColour(UINT message, WPARAM wParam);

// Whether the message says Windows' light or dark mode, or its high-contrast colours, changed.
bool saysThemeChanged(UINT message, WPARAM wParam, LPARAM lParam);

// A brush of the colour, kept for the life of the process.
HBRUSH themeBrush(Rgb colour);

// A dialog template in the system's message font (Segoe UI on Windows 10 and 11) at its
// point size, the dialog and its items scaled with it; the template as it was where it names
// no font or the system names none.
std::vector<BYTE> inMessageFont(std::span<const BYTE> dialog);

// A picture made for a light background, turned for the dark theme in place.
void turnForDarkTheme(HBITMAP picture);

}  // namespace velmora
