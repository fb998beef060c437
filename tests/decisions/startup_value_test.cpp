#include "decisions/startup_value.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/executable_folder.h"

namespace velmora {
namespace {

TEST(StartupValue, TheModulePathQuotedAndWhole) {
    EXPECT_EQ(startupCommand(u"C:\\Program Files\\Velmora\\Velmora.exe"),
              u"\"C:\\Program Files\\Velmora\\Velmora.exe\"");
    // A path far beyond 260 characters, with blanks, read as GetModuleFileName gives it.
    std::u16string deep = u"C:\\Users\\A B\\";
    for (int i = 0; i < 40; ++i) deep += u"folder " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\\";
    deep += u"Velmora.exe";
    ASSERT_GT(deep.size(), 300u);
    std::int32_t reads = 0;
    const std::u16string read = readWholePath([&](char16_t* buffer, std::size_t size) {
        ++reads;
        const std::size_t n = std::min(size, deep.size());  // cut, as the system cuts it
        std::copy_n(deep.begin(), n, buffer);
        return n;
    });
    EXPECT_EQ(read, deep);
    EXPECT_EQ(reads, 2);  // 260, then 520
    EXPECT_EQ(startupCommand(read), u"\"" + deep + u"\"");
    EXPECT_EQ(readWholePath([](char16_t*, std::size_t) { return std::size_t{0}; }), u"");
}

}  // namespace
}  // namespace velmora
