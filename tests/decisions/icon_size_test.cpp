#include "decisions/icon_size.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(IconSize, FollowsTheDisplayScale) {
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 96), 16);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 120), 20);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 144), 24);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 192), 32);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 288), 48);
    EXPECT_EQ(iconSizeForDpi(kWindowIconPixels, 144), 48);
    EXPECT_EQ(iconSizeForDpi(kTrayIconPixels, 0), 16);  // no answer from the system
}

}  // namespace
}  // namespace velmora
