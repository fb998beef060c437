#include "decisions/theme.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Theme, ChoiceAgainstWhatWindowsSays) {
    const WindowsTheme lightApps{1u, false}, darkApps{0u, false}, older{std::nullopt, false};
    EXPECT_EQ(chooseTheme(ThemeSetting::asWindows, lightApps), Theme::light);
    EXPECT_EQ(chooseTheme(ThemeSetting::asWindows, darkApps), Theme::dark);
    EXPECT_EQ(chooseTheme(ThemeSetting::asWindows, older), Theme::light);  // before apps had a mode
    EXPECT_EQ(chooseTheme(ThemeSetting::dark, lightApps), Theme::dark);
    EXPECT_EQ(chooseTheme(ThemeSetting::light, darkApps), Theme::light);
    for (const ThemeSetting setting : {ThemeSetting::asWindows, ThemeSetting::light, ThemeSetting::dark})
        EXPECT_EQ(chooseTheme(setting, {0u, true}), Theme::highContrast);
}

TEST(Theme, StoredSettingRoundTripsAndUnknownIsAsWindows) {
    for (const ThemeSetting setting : {ThemeSetting::asWindows, ThemeSetting::light, ThemeSetting::dark})
        EXPECT_EQ(themeSettingOf(storedTheme(setting)), setting);
    EXPECT_EQ(themeSettingOf(u""), ThemeSetting::asWindows);
    EXPECT_EQ(themeSettingOf(u"Dark "), ThemeSetting::asWindows);
}

}  // namespace
}  // namespace velmora
