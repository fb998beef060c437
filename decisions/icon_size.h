// Icons at the display's scale: the notification area and the shell take an icon designed
// for 96 dpi and scale its size with the display, 16 pixels becoming 20 at 120 dpi (125 %),
// 24 at 144, 32 at 192 and 48 at 288.
#pragma once

#include <cstdint>

namespace velmora {

inline constexpr std::int32_t kTrayIconPixels = 16;
inline constexpr std::int32_t kWindowIconPixels = 32;

constexpr std::int32_t iconSizeForDpi(std::int32_t pixelsAt96, std::int32_t dpi) {
    return dpi <= 0 ? pixelsAt96 : (pixelsAt96 * dpi + 48) / 96;
}

}  // namespace velmora
