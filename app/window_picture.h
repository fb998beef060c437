// What the main window draws with at the scale of its display: the GDI objects' ledger, the
// fonts and pictures made for the DPI, the canvas a paint is made on before it is shown, and
// the client area in the 96-dpi pixels the renderers lay out in. Windows only.
#pragma once

#include <windows.h>

#include <memory>

#include "app/gdi_surface.h"
#include "render/main_paint.h"
#include "render/prayer_band.h"
#include "render/scaled_surface.h"

namespace velmora {

class WindowPicture {
  public:
    explicit WindowPicture(HINSTANCE instance) : bitmaps_(instance, ledger_) {}

    // Fonts and pictures for the DPI; the canvas is made again at the next paint.
    void scaleTo(UINT dpi);
    UINT dpi() const { return dpi_; }
    DisplayScale scale() const { return {static_cast<std::int32_t>(dpi_)}; }

    // The window's client area is now width by height device pixels: the paint's, in 96-dpi
    // pixels less the borders, as the renderers count it.
    void sized(HWND window, int width, int height);
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    // The paint's average character width, which places the link at the window's foot.
    std::int32_t linkCharWidth() const { return linkCharWidth_; }
    // A point of the client area (as a mouse message's lParam) in 96-dpi pixels.
    POINT designPoint(LPARAM lParam) const;

    // The link and the view, and the band of times under them when given, drawn on the canvas
    // with the window's background and then shown on dc at once.
    void paint(HWND window, HDC dc, const MonthView& view, const PrayerBand* band);
    // Before the window goes: the canvas's objects are given back.
    void dropCanvas() { canvas_.reset(); }

    ProgramFonts& fonts() { return fonts_; }
    const PaintResources& resources() const { return resources_; }
    std::int32_t liveGdiObjects() const { return ledger_.live(); }

  private:
    GdiLedger ledger_;
    ProgramFonts fonts_{ledger_};
    BitmapCache bitmaps_;
    PaintResources resources_{fonts_, bitmaps_, ledger_};
    std::unique_ptr<OffscreenCanvas> canvas_;
    UINT dpi_ = 96;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t linkCharWidth_ = 0;
};

}  // namespace velmora
