// The drawing surface the renderers draw on: a device context of the main window on Windows,
// a recording in the tests. A fresh surface starts as a fresh device context does: the
// default (system) font, black text, left and top alignment, a black one-pixel pen.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace velmora {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// The program's fonts, created once by the main window; systemFont is the device context's
// own font before any other is selected.
enum class FontId : std::int32_t {
    comboFont,
    yearEditFont,
    linkFont,
    gridFont,
    companionFont,
    arabicWeekdayFont,
    latinFont,
    smallFont,
    systemFont,
};
inline constexpr std::int32_t kProgramFontCount = 8;

struct TextMetrics {
    std::int32_t averageCharWidth = 0;  // tmAveCharWidth
    std::int32_t height = 0;            // tmHeight
    std::int32_t internalLeading = 0;   // tmInternalLeading
    std::int32_t externalLeading = 0;   // tmExternalLeading
};

// Where (x, y) stands on the text; right-to-left reading lays a Persian sentence out from its
// right end, so that its end (and an ellipsis there) is at the left.
enum class TextAlign : std::int32_t {
    leftTop = 0,
    rightTop = 2,
    centreTop = 6,
    rightTopRightToLeft = 258,
    centreTopRightToLeft = 262,
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Of the font selected now.
    virtual TextMetrics textMetrics() = 0;
    virtual void selectFont(FontId font) = 0;
    // How wide text is in the font selected now, in pixels.
    virtual std::int32_t textWidth(std::u16string_view text) = 0;
    virtual void setTextColor(Rgb color) = 0;
    // The colour of the outlines and lines drawn after; black until set.
    virtual void setLineColor(Rgb color) = 0;
    virtual void setTextAlign(TextAlign align) = 0;
    // Text with a transparent background, placed by the alignment at (x, y).
    virtual void drawText(std::int32_t x, std::int32_t y, std::u16string_view text) = 0;
    // A filled rounded rectangle without outline.
    virtual void fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) = 0;
    // A hollow rounded rectangle outlined in the line colour.
    virtual void frameRoundRect(const Rect& rect, std::int32_t ellipse) = 0;
    // width x height pixels from the top-left of a bitmap resource, ANDed onto the surface.
    virtual void andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                           std::int32_t height) = 0;
    // A line in the line colour, from the first point up to (not including) the second.
    virtual void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) = 0;
    // The dotted rectangle of keyboard focus, as Windows draws it.
    virtual void drawFocusRect(const Rect& rect) = 0;
};

// Hands each renderer a surface of its own, as each takes a device context of its own.
class SurfaceFactory {
  public:
    virtual ~SurfaceFactory() = default;
    virtual std::unique_ptr<Surface> open() = 0;
};

}  // namespace velmora
