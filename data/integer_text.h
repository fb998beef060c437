// The one reader of integers written as text: INI values and names, the year box, and the
// converter's arguments all read their numbers through scanInteger.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// The value of c as a decimal digit of any script of the Basic Multilingual Plane (ASCII,
// Arabic-Indic, Persian, Devanagari, Bengali, Thai, full-width and the rest), or -1.
std::int32_t decimalDigitValue(char16_t c);

enum class DigitScripts { ascii, any };

// An optional sign and the decimal digits after it, from the start of text to the first
// other character. The magnitude saturates at kIntegerScanLimit, so that no run of digits
// overflows.
struct IntegerScan {
    bool negative = false;
    bool explicitPlus = false;
    std::int64_t magnitude = 0;
    std::size_t digits = 0;    // how many digits were read
    std::size_t end = 0;       // where the number ends in text
    bool leadingZero = false;  // the first digit is 0 and more follow

    std::int64_t value() const { return negative ? -magnitude : magnitude; }
};
inline constexpr std::int64_t kIntegerScanLimit = std::int64_t{1} << 40;

IntegerScan scanInteger(std::u16string_view text, DigitScripts scripts);

// The 32-bit value of a scan, saturated at the ends of the range.
std::int32_t saturatedValue(const IntegerScan& scan);

// A whole text that is an optional "-" and ASCII digits and nothing else, within 64 bits of
// kIntegerScanLimit; plus signs refused. For command-line arguments.
std::optional<std::int64_t> wholeInteger(std::string_view text);

}  // namespace velmora
