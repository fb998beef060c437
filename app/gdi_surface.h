// The drawing surface on a GDI device context. Windows only.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>

#include "render/surface.h"

namespace velmora {

// The GDI objects and device contexts the program holds now (fonts, bitmaps, the canvas, and
// whatever a surface has not yet given back). Wine's GetGuiResources always answers 0, so the
// program counts them itself.
class GdiLedger {
  public:
    void count(std::int32_t change) { live_ += change; }
    std::int32_t live() const { return live_; }

  private:
    std::int32_t live_ = 0;
};

// The program's eight fonts at the window's DPI, made again when it moves to a display of
// another scale, and deleted with the object.
class ProgramFonts {
  public:
    explicit ProgramFonts(GdiLedger& ledger) : ledger_(ledger) {}
    ~ProgramFonts();
    ProgramFonts(const ProgramFonts&) = delete;
    ProgramFonts& operator=(const ProgramFonts&) = delete;

    // Makes the fonts for a DPI (the handles change unless it is the one they have).
    void scaleTo(UINT dpi);
    UINT dpi() const { return dpi_; }
    // Null for the system font while the window's DPI is the system's: the device context
    // has it of its own. On a display of another scale, the system font made for it.
    HFONT get(FontId font) const;

  private:
    void release();

    GdiLedger& ledger_;
    UINT dpi_ = 0;
    std::array<HFONT, kProgramFontCount + 1> fonts_{};  // the last: the system font, where made
};

// The bitmaps of the program's resources, each loaded at its first use and kept for the
// life of the program: loading a bitmap costs far more than drawing it.
class BitmapCache {
  public:
    BitmapCache(HINSTANCE instance, GdiLedger& ledger) : instance_(instance), ledger_(ledger) {}
    ~BitmapCache();
    // Forgets what was loaded for another DPI.
    void scaleTo(UINT dpi);
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;

    // A memory context with the bitmap selected, to copy it from; null when there is none.
    HDC select(int bitmapId);

  private:
    // Each bitmap stays selected in a context of its own: choosing another bitmap into one
    // shared context costs, under Wine, more than copying the bitmap.
    struct Loaded {
        HBITMAP bitmap = nullptr;
        HDC memory = nullptr;
        HGDIOBJ original = nullptr;
    };
    void release();

    HINSTANCE instance_;
    GdiLedger& ledger_;
    UINT dpi_ = 96;
    std::map<int, Loaded> bitmaps_;
};

// What a paint draws with: the fonts, the bitmaps, and the ledger of what it creates.
struct PaintResources {
    const ProgramFonts& fonts;
    BitmapCache& bitmaps;
    GdiLedger& ledger;
};

// A surface on a device context someone else owns (the paint's, or the memory bitmap's),
// whose state it saves and restores. Every GDI object it creates is deleted before the call
// that created it returns; fonts and bitmaps come from the program's own and are only
// selected.
class GdiSurface : public Surface {
  public:
    GdiSurface(HDC dc, const PaintResources& resources);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    TextMetrics textMetrics() override;
    void selectFont(FontId font) override;
    std::int32_t textWidth(std::u16string_view text) override;
    void setTextColor(Rgb color) override;
    void setLineColor(Rgb color) override { lineColor_ = color; }
    void setTextAlign(TextAlign align) override;
    void drawText(std::int32_t x, std::int32_t y, std::u16string_view text) override;
    void fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) override;
    void frameRoundRect(const Rect& rect, std::int32_t ellipse) override;
    void andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                   std::int32_t height) override;
    void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override;
    void drawFocusRect(const Rect& rect) override;

  private:
    // The default pen, as wide as a pixel of the 96-dpi design is at the fonts' DPI.
    int penWidth() const;
    void withPen(const std::function<void()>& draw);

    HDC dc_ = nullptr;
    Rgb lineColor_ = kBlack;
    const PaintResources& resources_;
    int savedState_ = 0;
};

// Hands each renderer the same device context afresh: its state is saved when a surface
// opens and restored when it goes, so every renderer starts from the context's defaults.
class GdiSurfaceFactory : public SurfaceFactory {
  public:
    GdiSurfaceFactory(HDC dc, const PaintResources& resources) : dc_(dc), resources_(resources) {}
    std::unique_ptr<Surface> open() override;

  private:
    HDC dc_;
    const PaintResources& resources_;
};

// A memory bitmap the size of the client area, kept between paints: the whole paint is
// drawn here and copied to the window once, so no half-drawn state ever shows.
class OffscreenCanvas {
  public:
    OffscreenCanvas(HDC compatibleWith, int width, int height, GdiLedger& ledger);
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    bool fits(int width, int height) const { return width == width_ && height == height_; }
    // Fills the canvas with the background and hands out its context to draw on.
    HDC begin(HBRUSH background) const;
    // Copies the picture to the target at (0, 0).
    void present(HDC target) const;

  private:
    GdiLedger& ledger_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_;
    int height_;
};

}  // namespace velmora
