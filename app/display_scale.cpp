// The display's scale, from the functions of Windows 10 where it has them.
#include <windows.h>

#include "app/display_scale.h"

#include <algorithm>
#include <utility>

#include "app/right_to_left.h"
#include "decisions/icon_size.h"
#include "decisions/window_layout.h"
#include "render/scaled_surface.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

template <typename Function>
Function user32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT systemDpi() {
    static const auto getDpi = user32Function<UINT(WINAPI*)()>("GetDpiForSystem");
    if (getDpi != nullptr) {
        if (const UINT dpi = getDpi(); dpi != 0) return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT windowDpi(HWND window) {
    static const auto getDpi = user32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (getDpi != nullptr) {
        if (const UINT dpi = getDpi(window); dpi != 0) return dpi;
    }
    return systemDpi();
}

int systemMetricAt(int index, UINT dpi) {
    static const auto metricForDpi = user32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (metricForDpi != nullptr) return metricForDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

SIZE designBaseUnits() {
    const LONG units = GetDialogBaseUnits();
    const int system = static_cast<int>(systemDpi());
    if (system == 96) return {LOWORD(units), HIWORD(units)};
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return {MulDiv(LOWORD(units), 96, system), MulDiv(metrics.tmHeight, 96, system)};
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, UINT dpi) {
    static const auto forDpi =
        user32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (forDpi != nullptr && forDpi(&rect, style, TRUE, 0, dpi)) return;
    AdjustWindowRectEx(&rect, style, TRUE, 0);
}

HICON loadScaledIcon(HINSTANCE instance, const wchar_t* name, int pixelsAt96, UINT dpi) {
    const int size = iconSizeForDpi(pixelsAt96, static_cast<std::int32_t>(dpi));
    return static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HBITMAP loadScaledBitmap(HINSTANCE instance, int bitmapId, UINT dpi) {
    const auto load = [instance](int id) { return LoadBitmapW(instance, MAKEINTRESOURCEW(id)); };
    if (dpi <= 96) return load(bitmapId);
    // The drawings: 1x, 1.5x, 2x and 3x the design, in 96ths of it.
    constexpr int kDrawnFor[] = {96, 144, 192, 288};
    int variant = 3;
    while (variant > 0 && kDrawnFor[variant - 1] >= static_cast<int>(dpi)) --variant;
    HBITMAP drawn = load(bitmapId + variant * IDB_SCALED_STEP);
    if (drawn == nullptr) return load(bitmapId);
    if (kDrawnFor[variant] == static_cast<int>(dpi)) return drawn;
    BITMAP size{};
    GetObjectW(drawn, sizeof size, &size);
    const int width = MulDiv(size.bmWidth, static_cast<int>(dpi), kDrawnFor[variant]);
    const int height = MulDiv(size.bmHeight, static_cast<int>(dpi), kDrawnFor[variant]);
    const HDC screen = GetDC(nullptr);
    const HDC from = CreateCompatibleDC(screen);
    const HDC to = CreateCompatibleDC(screen);
    const HBITMAP shrunk = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ oldFrom = SelectObject(from, drawn);
    const HGDIOBJ oldTo = SelectObject(to, shrunk);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    DeleteObject(drawn);
    return shrunk;
}

RECT windowPlaceAtDpi(HWND window, UINT dpi, SIZE design, const RECT* suggested) {
    // The design's client area (the 96-dpi window less its frame there), at this DPI.
    RECT frame96{0, 0, 0, 0};
    RECT frame{0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    adjustWindowRectForDpi(frame96, style, 96);
    adjustWindowRectForDpi(frame, style, dpi);
    const DisplayScale scale{static_cast<std::int32_t>(dpi)};
    const int width = scale.px(design.cx - (frame96.right - frame96.left)) + (frame.right - frame.left);
    const int height = scale.px(design.cy - (frame96.bottom - frame96.top)) + (frame.bottom - frame.top);
    RECT place;
    GetWindowRect(window, &place);
    if (suggested != nullptr) place = *suggested;
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = std::max<int>(std::min<int>(place.left, work.right - width), work.left);
    const int top = std::max<int>(std::min<int>(place.top, work.bottom - height), work.top);
    return {left, top, left + width, top + height};
}

void setWindowIconsAtDpi(HWND window, HINSTANCE instance, const wchar_t* name, int bigPixels, int smallPixels, UINT dpi,
                         bool mirrored) {
    for (const auto& [which, pixels] : {std::pair{ICON_BIG, bigPixels}, std::pair{ICON_SMALL, smallPixels}}) {
        HICON icon = loadScaledIcon(instance, name, pixels, dpi);
        // The caption of a mirrored window mirrors its small icon: given mirrored, it shows as drawn.
        if (mirrored && which == ICON_SMALL) {
            if (const HICON turned = mirroredIcon(icon); turned != nullptr) {
                DestroyIcon(icon);
                icon = turned;
            }
        }
        const auto old = reinterpret_cast<HICON>(
            SendMessageW(window, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon)));
        // The class's icons live as long as the process; only those set here are the window's.
        if (old != nullptr &&
            old != reinterpret_cast<HICON>(GetClassLongPtrW(window, which == ICON_BIG ? GCLP_HICON : GCLP_HICONSM)))
            DestroyIcon(old);
    }
}

int averageCharWidth(HWND window, HFONT font) {
    const HDC dc = GetDC(window);
    const HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    if (old != nullptr) SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmAveCharWidth;
}

DisplayArea displayArea(HMONITOR display) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(display, &monitor);
    RECT taskbar{};
    if (const HWND bar = FindWindowW(L"Shell_TrayWnd", nullptr); bar != nullptr) GetWindowRect(bar, &taskbar);
    const auto rectOf = [](const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; };
    return {rectOf(monitor.rcMonitor), clearOfTaskbar(rectOf(monitor.rcWork), rectOf(taskbar))};
}

}  // namespace velmora
