#include "app/right_to_left.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace velmora {
namespace {

bool isText(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiW(className, L"Static") == 0 && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
}

void paintRightToLeft(HWND control) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(control, &paint);
    SetLayout(dc, 0);  // the client rectangle is the same either way; the reading is ours to say
    RECT area;
    GetClientRect(control, &area);
    // The dialog gives the colours, as it does to a static control's own paint.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    FillRect(dc, &area, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (!IsWindowEnabled(control)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    // The leading edge of a right-to-left text is its right: a left-aligned static starts there.
    UINT format = DT_WORDBREAK | DT_EXPANDTABS | DT_RTLREADING;
    switch (style & SS_TYPEMASK) {
        case SS_CENTER: format |= DT_CENTER; break;
        case SS_RIGHT: format |= DT_LEFT; break;
        default: format |= DT_RIGHT; break;
    }
    if ((style & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    DrawTextW(dc, text.c_str(), -1, &area, format);
    if (previous != nullptr) SelectObject(dc, previous);
    EndPaint(control, &paint);
}

LRESULT CALLBACK rightToLeftTextProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    switch (message) {
        case WM_PAINT: paintRightToLeft(control); return 0;
        case WM_SETTEXT:
        case WM_ENABLE: {
            // The control's own handling draws at once, from the left; drawn again, as ours.
            const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
            InvalidateRect(control, nullptr, TRUE);
            return result;
        }
        case WM_NCDESTROY: RemoveWindowSubclass(control, rightToLeftTextProc, id); break;
        default: break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void readTextsRightToLeft(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isText(child)) continue;
        SetWindowSubclass(child, rightToLeftTextProc, 1, 0);
        InvalidateRect(child, nullptr, TRUE);
    }
}

void keepUnmirrored(HWND control) {
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_EXSTYLE);
    if ((style & WS_EX_LAYOUTRTL) == 0) return;
    SetWindowLongPtrW(control, GWL_EXSTYLE, style & ~WS_EX_LAYOUTRTL);
    InvalidateRect(control, nullptr, TRUE);
}

namespace {

// A bitmap of the icon, mirrored: colours pixel by pixel (their alpha kept), the mask by a
// mirrored copy.
HBITMAP mirroredBitmap(HBITMAP source, bool colour) {
    BITMAP size{};
    if (GetObjectW(source, sizeof size, &size) == 0) return nullptr;
    const HDC screen = GetDC(nullptr);
    HBITMAP result = nullptr;
    if (colour) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<DWORD> pixels(static_cast<std::size_t>(size.bmWidth) * static_cast<std::size_t>(size.bmHeight));
        if (GetDIBits(screen, source, 0, static_cast<UINT>(size.bmHeight), pixels.data(), &info, DIB_RGB_COLORS) != 0) {
            for (int y = 0; y < size.bmHeight; ++y) {
                auto* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(size.bmWidth);
                std::reverse(row, row + size.bmWidth);
            }
            void* bits = nullptr;
            result = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            if (result != nullptr) std::memcpy(bits, pixels.data(), pixels.size() * sizeof(DWORD));
        }
    } else {
        result = CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr);
        const HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
        const HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, result);
        StretchBlt(to, size.bmWidth - 1, 0, -size.bmWidth, size.bmHeight, from, 0, 0, size.bmWidth, size.bmHeight,
                   SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
        DeleteDC(from);
        DeleteDC(to);
    }
    ReleaseDC(nullptr, screen);
    return result;
}

}  // namespace

HICON mirroredIcon(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return nullptr;
    ICONINFO mirrored = info;
    mirrored.hbmMask = mirroredBitmap(info.hbmMask, false);
    mirrored.hbmColor = info.hbmColor != nullptr ? mirroredBitmap(info.hbmColor, true) : nullptr;
    const HICON result = mirrored.hbmMask != nullptr ? CreateIconIndirect(&mirrored) : nullptr;
    for (const HBITMAP bitmap : {info.hbmMask, info.hbmColor, mirrored.hbmMask, mirrored.hbmColor})
        if (bitmap != nullptr) DeleteObject(bitmap);
    return result;
}

std::vector<BYTE> dialogTemplate(HINSTANCE instance, const wchar_t* name, bool rightToLeft) {
    const HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(5));  // RT_DIALOG
    const HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const auto* bytes = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    const DWORD size = found != nullptr ? SizeofResource(instance, found) : 0;
    // DLGTEMPLATEEX: dlgVer, signature 0xFFFF, helpID, then exStyle.
    constexpr std::size_t kExStyleAt = 8;
    if (bytes == nullptr || size < kExStyleAt + sizeof(DWORD) || bytes[2] != 0xFF || bytes[3] != 0xFF) return {};
    std::vector<BYTE> copy(bytes, bytes + size);
    if (rightToLeft) {
        DWORD exStyle;
        std::memcpy(&exStyle, copy.data() + kExStyleAt, sizeof exStyle);
        exStyle |= WS_EX_LAYOUTRTL;
        std::memcpy(copy.data() + kExStyleAt, &exStyle, sizeof exStyle);
    }
    return copy;
}

}  // namespace velmora
