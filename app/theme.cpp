#include "app/theme.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/display_scale.h"
#include "app/user_settings.h"
#include "data/dialog_template.h"
#include "data/dll_search.h"

namespace velmora {
namespace {

constexpr wchar_t kThemeValue[] = L"Theme";
constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

Palette active = kLightPalette;
bool everThemed = false;  // a theme other than light was applied in this process

COLORREF colorOf(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }
Rgb rgbOf(COLORREF colour) {
    return {static_cast<std::uint8_t>(GetRValue(colour)), static_cast<std::uint8_t>(GetGValue(colour)),
            static_cast<std::uint8_t>(GetBValue(colour))};
}

WindowsTheme readWindowsTheme() {
    WindowsTheme windows;
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kPersonalizeKey, L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &value,
                     &size) == ERROR_SUCCESS)
        windows.appsUseLightTheme = value;
    HIGHCONTRASTW contrast{sizeof contrast, 0, nullptr};
    windows.highContrast = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                           (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return windows;
}

Palette paletteOf(Theme theme) {
    switch (theme) {
        case Theme::light: return kLightPalette;
        case Theme::dark: return kDarkPalette;
        case Theme::highContrast: break;
    }
    return highContrastPalette({rgbOf(GetSysColor(COLOR_WINDOW)), rgbOf(GetSysColor(COLOR_WINDOWTEXT)),
                                rgbOf(GetSysColor(COLOR_HIGHLIGHT)), rgbOf(GetSysColor(COLOR_HIGHLIGHTTEXT)),
                                rgbOf(GetSysColor(COLOR_HOTLIGHT)), rgbOf(GetSysColor(COLOR_GRAYTEXT))});
}

void setAttribute(HWND window, DWORD attribute, DWORD value) {
    using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const auto set = reinterpret_cast<SetAttribute>(systemFunction(L"dwmapi.dll", "DwmSetWindowAttribute"));
    if (set == nullptr) return;
    if (FAILED(set(window, attribute, &value, sizeof value)) && attribute == kDwmaUseImmersiveDarkMode)
        set(window, kDwmaUseImmersiveDarkModeBefore20H1, &value, sizeof value);
}

void setControlTheme(HWND control, const wchar_t* name, const wchar_t* idList) {
    using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto set = reinterpret_cast<SetTheme>(systemFunction(L"uxtheme.dll", "SetWindowTheme"));
    if (set != nullptr) set(control, name, idList);
}

// Popup menus follow the app's mode only through uxtheme's unnamed entry points of Windows
// 10 1903 and later (SetPreferredAppMode, ordinal 135; FlushMenuThemes, 136): asked for by
// number on those builds, and left alone where they are not there.
void setMenuMode(bool dark) {
    wchar_t build[16]{};
    DWORD size = sizeof build;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"CurrentBuildNumber",
                     RRF_RT_REG_SZ, nullptr, build, &size) != ERROR_SUCCESS ||
        _wtoi(build) < 18362)
        return;
    using SetPreferredAppMode = int(WINAPI*)(int);
    using FlushMenuThemes = void(WINAPI*)();
    const auto setMode = reinterpret_cast<SetPreferredAppMode>(systemFunction(L"uxtheme.dll", MAKEINTRESOURCEA(135)));
    const auto flush = reinterpret_cast<FlushMenuThemes>(systemFunction(L"uxtheme.dll", MAKEINTRESOURCEA(136)));
    if (setMode == nullptr || flush == nullptr) return;
    setMode(dark ? 2 : 0);  // ForceDark, Default
    flush();
}

void themeControl(HWND control, bool dark) {
    wchar_t className[32]{};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    const std::wstring kind(className);
    if (kind == L"Button") {
        const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        const bool pushButton = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
        // A themed check box or group box writes its words in the theme's black whatever
        // WM_CTLCOLORSTATIC says: in the dark theme they are drawn unthemed.
        if (pushButton)
            setControlTheme(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
        else
            setControlTheme(control, dark ? L"" : nullptr, dark ? L"" : nullptr);
    } else if (kind == L"ComboBox") {
        setControlTheme(control, dark ? L"DarkMode_CFD" : nullptr, nullptr);
    } else if (kind == WC_LISTVIEWW) {
        ListView_SetBkColor(control, dark ? colorOf(active.panel) : GetSysColor(COLOR_WINDOW));
        ListView_SetTextBkColor(control, dark ? colorOf(active.panel) : GetSysColor(COLOR_WINDOW));
        ListView_SetTextColor(control, dark ? colorOf(active.text) : GetSysColor(COLOR_WINDOWTEXT));
        setControlTheme(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
        if (const HWND header = ListView_GetHeader(control); header != nullptr)
            setControlTheme(header, dark ? L"DarkMode_ItemsView" : nullptr, nullptr);
    } else {
        setControlTheme(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
    }
}

}  // namespace

ThemeSetting storedThemeSetting() { return themeSettingOf(readUserSetting(kThemeValue)); }

void storeThemeSetting(ThemeSetting setting) { writeUserSetting(kThemeValue, storedTheme(setting)); }

const Palette& activePalette() { return active; }

bool chooseActivePalette() {
    const Palette chosen = paletteOf(chooseTheme(storedThemeSetting(), readWindowsTheme()));
    if (chosen == active) return false;  // high contrast's colours may change while it stays on
    active = chosen;
    if (active.theme != Theme::light) everThemed = true;
    if (everThemed) setMenuMode(active.theme == Theme::dark);
    return true;
}

void themeWindow(HWND window, DWORD backdrop) {
    // Harmless before Windows 11, which answers that it knows no such attribute.
    setAttribute(window, kDwmaWindowCornerPreference, kDwmCornerRound);
    setAttribute(window, kDwmaSystemBackdropType, backdrop);
    if (!everThemed) return;
    const bool dark = active.theme == Theme::dark;
    setAttribute(window, kDwmaUseImmersiveDarkMode, dark ? TRUE : FALSE);
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    for (const HWND child : children) themeControl(child, dark);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

std::optional<LRESULT> themedControlColour(UINT message, WPARAM wParam) {
    if (active.theme != Theme::dark) return std::nullopt;
    const auto dc = reinterpret_cast<HDC>(wParam);
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetTextColor(dc, colorOf(active.text));
            SetBkColor(dc, colorOf(active.window));
            return reinterpret_cast<LRESULT>(themeBrush(active.window));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            SetTextColor(dc, colorOf(active.text));
            SetBkColor(dc, colorOf(active.panel));
            return reinterpret_cast<LRESULT>(themeBrush(active.panel));
        default: return std::nullopt;
    }
}

bool saysThemeChanged(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOLORCHANGE) return true;
    if (message != WM_SETTINGCHANGE) return false;
    if (wParam == SPI_SETHIGHCONTRAST) return true;
    const auto* area = reinterpret_cast<const wchar_t*>(lParam);
    return area != nullptr && std::wstring_view(area) == L"ImmersiveColorSet";
}

HBRUSH themeBrush(Rgb colour) {
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF key = colorOf(colour);
    auto found = brushes.find(key);
    if (found == brushes.end()) found = brushes.emplace(key, CreateSolidBrush(key)).first;
    return found->second;
}

std::vector<BYTE> inMessageFont(std::span<const BYTE> dialog) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != L'\0') {
        const LONG height = std::abs(metrics.lfMessageFont.lfHeight);  // pixels at the system's DPI
        const auto points = static_cast<std::uint16_t>(std::max(MulDiv(height, 72, static_cast<int>(systemDpi())), 6));
        std::vector<BYTE> changed =
            withDialogFont(dialog, reinterpret_cast<const char16_t*>(metrics.lfMessageFont.lfFaceName), points);
        if (!changed.empty()) return changed;
    }
    return {dialog.begin(), dialog.end()};
}

void turnForDarkTheme(HBITMAP picture) {
    BITMAP shape{};
    if (picture == nullptr || GetObjectW(picture, sizeof shape, &shape) == 0) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), shape.bmWidth, -shape.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(shape.bmWidth) * static_cast<std::size_t>(shape.bmHeight));
    const HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, picture, 0, static_cast<UINT>(shape.bmHeight), pixels.data(), &info, DIB_RGB_COLORS) != 0) {
        for (RGBQUAD& pixel : pixels) {
            const Rgb turned = forDarkBackground({pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue});
            pixel = {turned.blue, turned.green, turned.red, pixel.rgbReserved};
        }
        SetDIBits(screen, picture, 0, static_cast<UINT>(shape.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace velmora
