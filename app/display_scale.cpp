// Icons loaded at the size the display's scale asks for.
#include <windows.h>

#include "app/display_scale.h"
#include "decisions/icon_size.h"

namespace velmora {
namespace {

// The display's real resolution. The program is not DPI aware (GDI scaling draws its window
// sharp), so it would be told 96: ask in a per-monitor-aware thread context, where Windows
// 10 has one; older systems answer through the screen's device context.
UINT displayDpi() {
    using SetContext = HANDLE(WINAPI*)(HANDLE);
    using GetSystemDpi = UINT(WINAPI*)();
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto setContext =
        reinterpret_cast<SetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    const auto getDpi =
        reinterpret_cast<GetSystemDpi>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForSystem")));
    if (setContext != nullptr && getDpi != nullptr) {
        const HANDLE perMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
        const HANDLE previous = setContext(perMonitorAwareV2);
        const UINT dpi = getDpi();
        if (previous != nullptr) setContext(previous);
        if (dpi != 0) return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

}  // namespace

HICON loadScaledIcon(HINSTANCE instance, const wchar_t* name, int pixelsAt96) {
    const int size = iconSizeForDpi(pixelsAt96, static_cast<std::int32_t>(displayDpi()));
    return static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace velmora
