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

std::int32_t decimalDigitValue(char16_t c) {
    // The digit zero of every run of ten decimal digits (general category Nd) in the BMP.
    static constexpr char16_t kZeros[] = {
        0x0030, 0x0660, 0x06F0, 0x07C0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0BE6, 0x0C66, 0x0CE6, 0x0D66,
        0x0DE6, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x1090, 0x17E0, 0x1810, 0x1946, 0x19D0, 0x1A80, 0x1A90, 0x1B50,
        0x1BB0, 0x1C40, 0x1C50, 0xA620, 0xA8D0, 0xA900, 0xA9D0, 0xA9F0, 0xAA50, 0xABF0, 0xFF10};
    for (const char16_t zero : kZeros) {
        if (c >= zero && c < zero + 10) return c - zero;
    }
    return -1;
}

}  // namespace velmora
