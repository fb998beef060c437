// The window at any display scale. Every renderer lays out in the pixels of a 96-dpi display;
// a scaled surface multiplies what they draw by the window's DPI / 96 onto a surface whose
// fonts and bitmaps were made for that DPI, so text and pictures come out crisp rather than
// stretched. At 96 dpi it changes nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "render/surface.h"

namespace velmora {

inline constexpr std::int32_t kDesignDpi = 96;

struct DisplayScale {
    std::int32_t dpi = kDesignDpi;

    // A length of the 96-dpi design in the display's pixels, rounded to the nearest (halves
    // away from zero).
    constexpr std::int32_t px(std::int32_t designed) const { return divideRounded(designed * dpi, kDesignDpi); }
    constexpr Rect px(const Rect& r) const { return {px(r.left), px(r.top), px(r.right), px(r.bottom)}; }
    // A length of the display back in the design's pixels.
    constexpr std::int32_t design(std::int32_t shown) const { return divideRounded(shown * kDesignDpi, dpi); }
    constexpr bool identity() const { return dpi == kDesignDpi; }

  private:
    static constexpr std::int32_t divideRounded(std::int32_t a, std::int32_t b) {
        return (a >= 0 ? a + b / 2 : a - b / 2) / b;
    }
};

// Draws a renderer's 96-dpi picture on a surface of the display's pixels.
class ScaledSurface : public Surface {
  public:
    ScaledSurface(std::unique_ptr<Surface> shown, DisplayScale scale) : shown_(std::move(shown)), scale_(scale) {}

    TextMetrics textMetrics() override;
    void selectFont(FontId font) override { shown_->selectFont(font); }
    std::int32_t textWidth(std::u16string_view text) override { return scale_.design(shown_->textWidth(text)); }
    void setTextColor(Rgb color) override { shown_->setTextColor(color); }
    void setLineColor(Rgb color) override { shown_->setLineColor(color); }
    void setTextAlign(TextAlign align) override { shown_->setTextAlign(align); }
    void drawText(std::int32_t x, std::int32_t y, std::u16string_view text) override {
        shown_->drawText(scale_.px(x), scale_.px(y), text);
    }
    void fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) override {
        shown_->fillRoundRect(scale_.px(rect), scale_.px(ellipse), color);
    }
    void frameRoundRect(const Rect& rect, std::int32_t ellipse) override {
        shown_->frameRoundRect(scale_.px(rect), scale_.px(ellipse));
    }
    void andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                   std::int32_t height) override {
        shown_->andBitmap(scale_.px(x), scale_.px(y), bitmapId, scale_.px(width), scale_.px(height));
    }
    void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override {
        shown_->drawLine(scale_.px(x0), scale_.px(y0), scale_.px(x1), scale_.px(y1));
    }
    void drawFocusRect(const Rect& rect) override { shown_->drawFocusRect(scale_.px(rect)); }

  private:
    std::unique_ptr<Surface> shown_;
    DisplayScale scale_;
};

class ScaledSurfaceFactory : public SurfaceFactory {
  public:
    ScaledSurfaceFactory(SurfaceFactory& shown, DisplayScale scale) : shown_(shown), scale_(scale) {}
    std::unique_ptr<Surface> open() override;

  private:
    SurfaceFactory& shown_;
    DisplayScale scale_;
};

}  // namespace velmora
