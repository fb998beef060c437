// The drawing surface on a GDI device context. Windows only.
#pragma once

#include <windows.h>

#include "render/surface.h"

namespace velmora {

// A surface on a device context: either one of its own (GetDC of the window, released when
// the surface goes) or a borrowed one (the paint's). Every GDI object it creates is deleted
// before the call that created it returns; fonts come from the program's table and are
// only selected.
class GdiSurface : public Surface {
public:
    // Takes a fresh device context of the window.
    GdiSurface(HWND window, const HFONT* fonts, HINSTANCE instance);
    // Draws on a context someone else owns.
    GdiSurface(HDC borrowed, const HFONT* fonts, HINSTANCE instance);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    TextMetrics textMetrics() override;
    void selectFont(FontId font) override;
    void setTextColor(Rgb color) override;
    void setTextAlign(TextAlign align) override;
    void drawText(std::int32_t x, std::int32_t y, std::u16string_view text) override;
    void fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) override;
    void frameRoundRect(const Rect& rect, std::int32_t ellipse) override;
    void andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                   std::int32_t height) override;
    void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override;

private:
    HWND window_ = nullptr;  // set when the context is ours to release
    HDC dc_ = nullptr;
    const HFONT* fonts_;
    HINSTANCE instance_;
    int savedState_ = 0;
};

// Hands each renderer the same device context afresh: its state is saved when a surface
// opens and restored when it goes, so every renderer starts from the context's defaults.
class GdiSurfaceFactory : public SurfaceFactory {
public:
    GdiSurfaceFactory(HDC dc, const HFONT* fonts, HINSTANCE instance) : dc_(dc), fonts_(fonts), instance_(instance) {}
    std::unique_ptr<Surface> open() override;

private:
    HDC dc_;
    const HFONT* fonts_;
    HINSTANCE instance_;
};

// A memory bitmap the size of a client area, filled with a brush: the whole paint is drawn
// here and copied to the window once, so no half-drawn state ever shows.
class OffscreenCanvas {
public:
    OffscreenCanvas(HDC target, int width, int height, HBRUSH background);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    HDC dc() const { return dc_; }
    // Copies the picture to the target at (0, 0).
    void present() const;

private:
    HDC target_;
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
