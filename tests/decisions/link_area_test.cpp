#include "decisions/link_area.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(LinkArea, HoverAndClick) {
    // W 393, H 509, character width 7: the link begins at x 140.
    EXPECT_TRUE(overLink(141, 510, 393, 509, 7));
    EXPECT_FALSE(overLink(140, 510, 393, 509, 7));
    EXPECT_FALSE(overLink(240, 510, 393, 509, 7));
    EXPECT_FALSE(overLink(150, 509, 393, 509, 7));
    EXPECT_FALSE(overLink(150, 522, 393, 509, 7));
    EXPECT_TRUE(linkClicked(138, 507, 393, 509));  // x1 = 137
    EXPECT_FALSE(linkClicked(137, 507, 393, 509));
    EXPECT_FALSE(linkClicked(138, 519, 393, 509));
}

}  // namespace
}  // namespace velmora
