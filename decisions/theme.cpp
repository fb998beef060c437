#include "decisions/theme.h"

namespace velmora {

ThemeSetting themeSettingOf(std::u16string_view stored) {
    if (stored == u"light") return ThemeSetting::light;
    if (stored == u"dark") return ThemeSetting::dark;
    return ThemeSetting::asWindows;
}

std::u16string_view storedTheme(ThemeSetting setting) {
    switch (setting) {
        case ThemeSetting::light: return u"light";
        case ThemeSetting::dark: return u"dark";
        case ThemeSetting::asWindows: break;
    }
    return u"windows";
}

Theme chooseTheme(ThemeSetting setting, const WindowsTheme& windows) {
    if (windows.highContrast) return Theme::highContrast;
    switch (setting) {
        case ThemeSetting::light: return Theme::light;
        case ThemeSetting::dark: return Theme::dark;
        case ThemeSetting::asWindows: break;
    }
    return windows.appsUseLightTheme.value_or(1) == 0 ? Theme::dark : Theme::light;
}

}  // namespace velmora
