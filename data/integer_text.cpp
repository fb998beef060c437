#include "data/integer_text.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace velmora {

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

IntegerScan scanInteger(std::u16string_view text, DigitScripts scripts) {
    IntegerScan scan;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        scan.negative = text[i] == u'-';
        scan.explicitPlus = text[i] == u'+';
        ++i;
    }
    for (; i < text.size(); ++i) {
        const std::int32_t digit = scripts == DigitScripts::any
                                       ? decimalDigitValue(text[i])
                                       : (text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1);
        if (digit < 0) break;
        if (scan.digits == 1 && scan.magnitude == 0) scan.leadingZero = true;
        scan.magnitude = std::min(scan.magnitude * 10 + digit, kIntegerScanLimit);
        ++scan.digits;
    }
    scan.end = scan.digits == 0 ? 0 : i;
    return scan;
}

std::int32_t saturatedValue(const IntegerScan& scan) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(scan.value(), std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::optional<std::int64_t> wholeInteger(std::string_view text) {
    if (text.size() > 12) return std::nullopt;
    // The usual case, "-" and ASCII digits only, read at once: the scan would read it alike.
    const std::size_t sign = !text.empty() && text.front() == '-' ? 1 : 0;
    std::int64_t value = 0;
    std::size_t end = sign;
    for (; end < text.size() && text[end] >= '0' && text[end] <= '9'; ++end) value = value * 10 + (text[end] - '0');
    if (end == text.size() && end > sign) return sign == 1 ? -value : value;
    // Widened on the stack: a batch of a million lines reads one number a line.
    std::array<char16_t, 12> buffer{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) return std::nullopt;  // no digits beyond ASCII
        buffer[i] = static_cast<char16_t>(text[i]);
    }
    const std::u16string_view wide(buffer.data(), text.size());
    const IntegerScan scan = scanInteger(wide, DigitScripts::ascii);
    if (scan.digits == 0 || scan.explicitPlus || scan.end != wide.size()) return std::nullopt;
    return scan.value();
}

}  // namespace velmora
