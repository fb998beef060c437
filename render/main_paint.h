// A whole paint of the main window: the link at its foot and the views of the display mode.
#pragma once

#include <string_view>

#include "render/month_grid.h"
#include "render/month_layout.h"
#include "render/surface.h"

namespace velmora {

// The maker's address, 13 characters, drawn as a link at the foot of the window.
inline constexpr std::u16string_view kLinkText = u"velmora.co.ir";

// The link's left edge, from the paint context's average character width.
constexpr std::int32_t linkLeft(std::int32_t clientWidth, std::int32_t charWidth) {
    return clientWidth / 2 - charWidth * 8;
}

// Draws the link in the palette's holiday red with its underline on the paint surface;
// returns the average character width of that surface's default font, the layout unit of
// this paint.
std::int32_t drawLink(Surface& paintSurface, std::int32_t clientWidth, std::int32_t clientHeight,
                      const Palette& palette = kLightPalette);

// Draws the strip, the grid, the two companions and the holiday panel of the laid-out
// month's mode, each on a surface of its own.
void paintDisplayMode(SurfaceFactory& surfaces, const MonthView& view);

}  // namespace velmora
