// Where the link at the foot of the window reacts to the mouse. The hover and the click
// areas are reckoned differently and need not coincide.
#pragma once

#include <cstdint>

#include "render/main_paint.h"

namespace velmora {

// The hand cursor: x0 < x < x0 + 100 and clientHeight < y < clientHeight + 13.
constexpr bool overLink(std::int32_t x, std::int32_t y, std::int32_t clientWidth, std::int32_t clientHeight,
                        std::int32_t charWidth) {
    const std::int32_t x0 = linkLeft(clientWidth, charWidth);
    return x0 < x && x < x0 + 100 && clientHeight < y && y < clientHeight + 13;
}

// The click: x1 < x < x1 + 100 and clientHeight - 3 < y < clientHeight + 10, with
// x1 = (clientWidth / 30) * 10 + 7.
constexpr bool linkClicked(std::int32_t x, std::int32_t y, std::int32_t clientWidth, std::int32_t clientHeight) {
    const std::int32_t x1 = (clientWidth / 30) * 10 + 7;
    return x1 < x && x < x1 + 100 && clientHeight - 3 < y && y < clientHeight + 10;
}

}  // namespace velmora
