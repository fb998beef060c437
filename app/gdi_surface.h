// The drawing surface on a GDI device context. Windows only.
#pragma once

#include <windows.h>

#include "render/surface.h"

#include <map>

namespace velmora {

// The bitmaps of the program's resources, each loaded at its first use and kept for the
// life of the program: loading a bitmap costs far more than drawing it.
class BitmapCache {
  public:
    explicit BitmapCache(HINSTANCE instance) : instance_(instance) {}
    ~BitmapCache();
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;

    // A memory context with the bitmap selected, to copy it from; null when there is none.
    HDC select(int bitmapId);

  private:
    HINSTANCE instance_;
    std::map<int, HBITMAP> bitmaps_;
    HDC memory_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
};

// A surface on a device context someone else owns (the paint's, or the memory bitmap's),
// whose state it saves and restores. Every GDI object it creates is deleted before the call
// that created it returns; fonts and bitmaps come from the program's own and are only
// selected.
class GdiSurface : public Surface {
  public:
    GdiSurface(HDC dc, const HFONT* fonts, BitmapCache& bitmaps);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    TextMetrics textMetrics() override;
    void selectFont(FontId font) override;
    std::int32_t textWidth(std::u16string_view text) override;
    void setTextColor(Rgb color) override;
    void setTextAlign(TextAlign align) override;
    void drawText(std::int32_t x, std::int32_t y, std::u16string_view text) override;
    void fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) override;
    void frameRoundRect(const Rect& rect, std::int32_t ellipse) override;
    void andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                   std::int32_t height) override;
    void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override;

  private:
    HDC dc_ = nullptr;
    const HFONT* fonts_;
    BitmapCache& bitmaps_;
    int savedState_ = 0;
};

// Hands each renderer the same device context afresh: its state is saved when a surface
// opens and restored when it goes, so every renderer starts from the context's defaults.
class GdiSurfaceFactory : public SurfaceFactory {
  public:
    GdiSurfaceFactory(HDC dc, const HFONT* fonts, BitmapCache& bitmaps) : dc_(dc), fonts_(fonts), bitmaps_(bitmaps) {}
    std::unique_ptr<Surface> open() override;

  private:
    HDC dc_;
    const HFONT* fonts_;
    BitmapCache& bitmaps_;
};

// A memory bitmap the size of the client area, kept between paints: the whole paint is
// drawn here and copied to the window once, so no half-drawn state ever shows.
class OffscreenCanvas {
  public:
    OffscreenCanvas(HDC compatibleWith, int width, int height);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    bool fits(int width, int height) const { return width == width_ && height == height_; }
    // Fills the canvas with the background and hands out its context to draw on.
    HDC begin(HBRUSH background) const;
    // Copies the picture to the target at (0, 0).
    void present(HDC target) const;

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_;
    int height_;
};

// GDI objects and device contexts the program holds now (fonts, and whatever a surface has
// not yet given back). Wine's GetGuiResources always answers 0, so the program counts.
std::int32_t liveGdiObjects();
void countGdiObject(std::int32_t change);

}  // namespace velmora
