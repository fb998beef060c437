// Which theme the window draws in: the user's choice under Option > Theme, or what Windows
// says of its apps; high contrast before either.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "render/palette.h"

namespace velmora {

enum class ThemeSetting { asWindows, light, dark };

// Stored as a text value: "windows", "light" or "dark"; anything else (or nothing) is "as
// Windows".
ThemeSetting themeSettingOf(std::u16string_view stored);
std::u16string_view storedTheme(ThemeSetting setting);

// What Windows says: the value AppsUseLightTheme under HKCU\...\Themes\Personalize (absent
// before Windows 10 1809, where apps are light), and whether high contrast is on.
struct WindowsTheme {
    std::optional<std::uint32_t> appsUseLightTheme;
    bool highContrast = false;
};

// High contrast wins whatever was chosen: who needs it needs it everywhere.
Theme chooseTheme(ThemeSetting setting, const WindowsTheme& windows);

}  // namespace velmora
