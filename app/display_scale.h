// The display's scale: the DPI of the system and of a window, and icons and bitmaps drawn for
// it. Windows only.
#pragma once

#include <windows.h>

#include "render/surface.h"

namespace velmora {

// The DPI of the primary display, and the one a window is on (the same before Windows 10).
UINT systemDpi();
UINT windowDpi(HWND window);
// A system metric at a DPI, where Windows can say it; else the system's, scaled.
int systemMetricAt(int index, UINT dpi);

// The dialog base units of the system font as a 96-dpi display has them (x the average
// character width, y the height): GetDialogBaseUnits there; at other scales brought to 96
// dpi, the height measured from the system font, as some systems (Wine) answer
// GetDialogBaseUnits with a height out of proportion.
SIZE designBaseUnits();

// The window rectangle of a client rectangle at a DPI (with a menu bar), where Windows can
// say it; else at the system's.
void adjustWindowRectForDpi(RECT& rect, DWORD style, UINT dpi);

// An icon of the program's resources at the size the DPI asks for; the caller destroys it.
HICON loadScaledIcon(HINSTANCE instance, const wchar_t* name, int pixelsAt96, UINT dpi);

// Where a window of the design's size at 96 dpi (frame included) stands at a DPI: its client
// area scaled, its frame as the DPI has it, at suggested (or where it is), kept whole on the
// work area of its display as far as it fits.
RECT windowPlaceAtDpi(HWND window, UINT dpi, SIZE design, const RECT* suggested);
// The window's big and small icons, at the sizes the DPI asks for; the small one turned for a
// mirrored caption when mirrored.
void setWindowIconsAtDpi(HWND window, HINSTANCE instance, const wchar_t* name, int bigPixels, int smallPixels, UINT dpi,
                         bool mirrored = false);
// The average character width of a font (the system's where none) on the window's display.
int averageCharWidth(HWND window, HFONT font);

// A bitmap of the program's resources at the DPI's size: the drawing made for 1.5x, 2x or 3x
// the design where there is one for the DPI, else the next larger shrunk smoothly (the design
// itself at 96 dpi). The caller deletes it.
HBITMAP loadScaledBitmap(HINSTANCE instance, int bitmapId, UINT dpi);

// A display's rectangle and its work area less the taskbar, which Wine's desktop counts in
// its work area (Windows leaves it out already).
struct DisplayArea {
    Rect monitor;
    Rect work;
};
DisplayArea displayArea(HMONITOR display);

}  // namespace velmora
