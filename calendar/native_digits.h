// Numbers written in Persian (Extended Arabic-Indic) and Arabic-Indic digits.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// The text of one number: the plain decimal text with every ASCII digit replaced by the
// digit of a native set, so the native digits stand where the ASCII ones would, with an
// ASCII "-" first for a negative number. Room for any 32-bit value ("-2147483648").
struct DigitText {
    std::array<char16_t, 12> chars{};  // terminated
    std::int32_t length = 0;

    std::u16string_view view() const { return {chars.data(), static_cast<std::size_t>(length)}; }
    const char16_t* c_str() const { return chars.data(); }
};

// Writes value in the ten consecutive digits that start at zeroDigit.
DigitText formatDigits(std::int32_t value, char16_t zeroDigit);

// Solar Hijri days and years: U+06F0 to U+06F9.
inline DigitText formatPersianDigits(std::int32_t value) { return formatDigits(value, u'\u06F0'); }

// Lunar Hijri days and years: U+0660 to U+0669.
inline DigitText formatArabicDigits(std::int32_t value) { return formatDigits(value, u'\u0660'); }

// Gregorian numbers: plain ASCII decimal, as "%d" prints it.
inline DigitText formatAsciiDigits(std::int32_t value) { return formatDigits(value, u'0'); }

}  // namespace velmora
