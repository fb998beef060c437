// Text between the program's UTF-16 strings and Win32 controls and resources.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "decisions/language.h"

namespace velmora {

inline const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The whole text of a control.
std::u16string windowText(HWND window);
void setWindowText(HWND window, std::u16string_view text);

// The text on the clipboard, as Unicode text; false when the clipboard is not to be had.
bool copyToClipboard(HWND owner, std::u16string_view text);

}  // namespace velmora
