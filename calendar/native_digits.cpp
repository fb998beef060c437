#include "calendar/native_digits.h"

namespace velmora {

DigitText formatDigits(std::int32_t value, char16_t zeroDigit) {
    DigitText text;
    // The magnitude as unsigned, so that the most negative value has one too.
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    char16_t reversed[10];
    std::int32_t digits = 0;
    do {
        reversed[digits++] = static_cast<char16_t>(zeroDigit + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    std::int32_t p = 0;
    if (value < 0) text.chars[p++] = u'-';
    while (digits > 0) text.chars[p++] = reversed[--digits];
    text.chars[p] = 0;
    text.length = p;
    return text;
}

}  // namespace velmora
