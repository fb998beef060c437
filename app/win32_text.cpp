#include "app/win32_text.h"

namespace velmora {

std::u16string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

void setWindowText(HWND window, std::u16string_view text) {
    const std::u16string terminated(text);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

}  // namespace velmora
