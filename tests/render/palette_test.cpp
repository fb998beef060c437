#include "render/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <tuple>

namespace velmora {
namespace {

TEST(Palette, ContrastRatioMatchesTheStandardsOwnFigures) {
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({90, 90, 90}, {90, 90, 90}), 1.0);
    EXPECT_NEAR(contrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);  // #777 on white, just short
    EXPECT_NEAR(contrastRatio({255, 0, 0}, {255, 255, 255}), 4.0, 0.01);
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 255}, {255, 255, 0}), contrastRatio({255, 255, 0}, {0, 0, 255}));
}

// The lowest ratio of each theme, text and large type or marks apart, printed for the
// record; every pair at its bound.
TEST(Palette, EveryTextReadsInBothThemes) {
    for (const Palette& palette : {kLightPalette, kDarkPalette}) {
        double lowestText = 21, lowestLarge = 21;
        for (const ColourPair& pair : colourPairs(palette)) {
            const double ratio = contrastRatio(pair.front, pair.back);
            (pair.least > 4 ? lowestText : lowestLarge) = std::min(pair.least > 4 ? lowestText : lowestLarge, ratio);
            EXPECT_GE(ratio, pair.least) << (palette.theme == Theme::dark ? "dark: " : "light: ") << pair.what;
        }
        std::printf("%s: lowest %.2f:1 for text, %.2f:1 for large numbers and marks\n",
                    palette.theme == Theme::dark ? "dark" : "light", lowestText, lowestLarge);
    }
}

// Predicted lunar dates stay apart from announced ones; the dark theme is dark.
TEST(Palette, PredictedDatesAndSurfacesStayDistinguishable) {
    for (const Palette& palette : {kLightPalette, kDarkPalette}) {
        EXPECT_GE(contrastRatio(palette.predictedFirst, palette.secondSlot), 1.3);
        EXPECT_GE(contrastRatio(palette.predictedAfter, palette.text), 2.0);
        EXPECT_GE(contrastRatio(palette.holidayDay, palette.text), 2.0);
    }
    EXPECT_LT(contrastRatio(kDarkPalette.panel, {0, 0, 0}), 2.0);
    EXPECT_GT(contrastRatio(kLightPalette.panel, {0, 0, 0}), 18.0);
}

// Windows' "High Contrast Black" and "High Contrast White" schemes: only their colours are
// used, and the holidays are underlined besides.
TEST(Palette, HighContrastTakesOnlyTheSystemColours) {
    const SystemColors black{{0, 0, 0}, {255, 255, 255}, {26, 235, 255}, {0, 0, 0}, {255, 255, 0}, {63, 242, 63}};
    const SystemColors white{{255, 255, 255}, {0, 0, 0}, {55, 0, 110}, {255, 255, 255}, {0, 0, 159}, {96, 0, 0}};
    for (const SystemColors& system : {black, white}) {
        const Palette palette = highContrastPalette(system);
        EXPECT_TRUE(palette.underlinesHolidays);
        const auto key = [](Rgb c) { return std::make_tuple(c.red, c.green, c.blue); };
        const std::set<std::tuple<int, int, int>> allowed{key(system.window),    key(system.windowText),
                                                          key(system.highlight), key(system.highlightText),
                                                          key(system.hotLight),  key(system.grayText)};
        for (const ColourPair& pair : colourPairs(palette)) {
            EXPECT_TRUE(allowed.contains(key(pair.front)) && allowed.contains(key(pair.back))) << pair.what;
            EXPECT_GE(contrastRatio(pair.front, pair.back), pair.least) << pair.what;
        }
    }
}

// Black arrows on a light button come out light on dark, in the order they were.
TEST(Palette, PicturesTurnOverForADarkBackground) {
    EXPECT_EQ(forDarkBackground({255, 255, 255}), kDarkPalette.panel);
    EXPECT_EQ(forDarkBackground({0, 0, 0}), kDarkPalette.text);
    EXPECT_GE(contrastRatio(forDarkBackground({0, 0, 0}), forDarkBackground({212, 208, 200})), 4.5);
    int before = 256;
    for (int grey = 0; grey <= 255; grey += 15) {
        const Rgb turned = forDarkBackground(
            {static_cast<std::uint8_t>(grey), static_cast<std::uint8_t>(grey), static_cast<std::uint8_t>(grey)});
        EXPECT_LE(turned.green, before);
        before = turned.green;
    }
    const Rgb red = forDarkBackground({200, 0, 0});
    EXPECT_GE(red.red, red.green + 80);  // still red
}

}  // namespace
}  // namespace velmora
