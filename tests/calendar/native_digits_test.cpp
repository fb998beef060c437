#include "calendar/native_digits.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace velmora {
namespace {

TEST(NativeDigits, PersianAndArabicIndic) {
    EXPECT_EQ(formatPersianDigits(1403).view(), u"\u06F1\u06F4\u06F0\u06F3");
    EXPECT_EQ(formatArabicDigits(1445).view(), u"\u0661\u0664\u0664\u0665");
    EXPECT_EQ(formatPersianDigits(0).view(), u"\u06F0");
    EXPECT_EQ(formatArabicDigits(0).view(), u"\u0660");
    EXPECT_EQ(formatPersianDigits(10).view(), u"\u06F1\u06F0");
    EXPECT_EQ(formatArabicDigits(-25).view(), u"-\u0662\u0665");
    EXPECT_EQ(formatAsciiDigits(-4379).view(), u"-4379");
}

TEST(NativeDigits, LengthMatchesPlainDecimalForEveryWidth) {
    const std::int32_t values[] = {0,      7,       -7,        99999,   -9999,   100000,
                                   -99999, 1234567, -12345678, INT_MAX, INT_MIN, INT_MIN + 1};
    for (const std::int32_t value : values) {
        const std::string decimal = std::to_string(value);
        for (const char16_t zero : {u'0', u'\u06F0', u'\u0660'}) {
            const DigitText text = formatDigits(value, zero);
            ASSERT_EQ(text.length, static_cast<std::int32_t>(decimal.size())) << value;
            ASSERT_EQ(text.chars[static_cast<std::size_t>(text.length)], 0) << value;
            for (std::size_t i = 0; i < decimal.size(); ++i) {
                const char16_t expected = decimal[i] == '-' ? u'-' : static_cast<char16_t>(zero + (decimal[i] - '0'));
                ASSERT_EQ(text.chars[i], expected) << value;
            }
        }
    }
}

}  // namespace
}  // namespace velmora
