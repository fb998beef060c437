// The user's settings under HKCU\Software\Velmora, as text values.
#pragma once

#include <string>
#include <string_view>

#include "calendar/date_text.h"

namespace velmora {

// The value, or empty when it is not there.
std::u16string readUserSetting(const wchar_t* name);
void writeUserSetting(const wchar_t* name, std::u16string_view value);

// Option > Digits, as "Digits".
DigitChoice storedDigitChoice();
void storeDigitChoice(DigitChoice choice);

}  // namespace velmora
