#include "app/win32_text.h"

#include <cstring>

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

bool copyToClipboard(HWND owner, std::u16string_view text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool copied = false;
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t))) {
        if (auto* bytes = static_cast<char16_t*>(GlobalLock(memory))) {
            std::memcpy(bytes, text.data(), text.size() * sizeof(char16_t));
            bytes[text.size()] = u'\0';
            GlobalUnlock(memory);
            copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!copied) GlobalFree(memory);  // the clipboard owns it once set
    }
    CloseClipboard();
    return copied;
}

}  // namespace velmora
