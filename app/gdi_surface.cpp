#include "app/gdi_surface.h"

#include <algorithm>

#include <usp10.h>

#include "app/display_scale.h"
#include "data/integer_text.h"

namespace velmora {
namespace {

struct FontDesign {
    const wchar_t* face;
    int height;
    int width;
    int weight;
};
// In FontId order: comboFont, yearEditFont, linkFont, gridFont, companionFont,
// arabicWeekdayFont, latinFont, smallFont.
constexpr FontDesign kFonts[kProgramFontCount] = {
    {L"TAHOMA", 15, 7, 400}, {L"TAHOMA", 16, 0, 400}, {L"Times New Roman", 16, 0, 400}, {L"Times New Roman", 0, 0, 700},
    {L"TAHOMA", 15, 0, 400}, {L"TAHOMA", 22, 6, 700}, {L"Courier New", 20, 9, 700},     {L"TAHOMA", 14, 0, 100},
};

COLORREF colorOf(Rgb color) { return RGB(color.red, color.green, color.blue); }

// Owns a GDI object or a memory device context: deleted, and uncounted, when it goes out of
// scope, so every object a call creates is gone before the call returns.
template <typename Handle, BOOL (*destroy)(Handle)>
class GdiGuard {
  public:
    GdiGuard(Handle handle, GdiLedger& ledger) : handle_(handle), ledger_(ledger) {
        if (handle_ != nullptr) ledger_.count(+1);
    }
    ~GdiGuard() {
        if (handle_ != nullptr) {
            destroy(handle_);
            ledger_.count(-1);
        }
    }
    GdiGuard(const GdiGuard&) = delete;
    GdiGuard& operator=(const GdiGuard&) = delete;
    Handle get() const { return handle_; }

  private:
    Handle handle_;
    GdiLedger& ledger_;
};

BOOL deleteObject(HGDIOBJ object) { return DeleteObject(object); }
using GdiObject = GdiGuard<HGDIOBJ, deleteObject>;

}  // namespace

void ProgramFonts::scaleTo(UINT dpi) {
    if (dpi == dpi_) return;
    release();
    dpi_ = dpi;
    const auto create = [](const FontDesign& design, int height, int width) {
        return CreateFontW(height, width, 0, 0, design.weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_OUTLINE_PRECIS,
                           CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY, FF_DECORATIVE | FIXED_PITCH, design.face);
    };
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
    for (std::size_t i = 0; i < kProgramFontCount; ++i) {
        const FontDesign& design = kFonts[i];
        int height = design.height;
        // A height of 0 is the face's default, the same at every scale: measure it and scale that.
        if (height == 0 && dpi != 96) {
            const HFONT standard = create(design, 0, 0);
            const HDC screen = GetDC(nullptr);
            const HGDIOBJ old = SelectObject(screen, standard);
            TEXTMETRICW metrics{};
            GetTextMetricsW(screen, &metrics);
            SelectObject(screen, old);
            ReleaseDC(nullptr, screen);
            DeleteObject(standard);
            height = metrics.tmHeight;
        }
        fonts_[i] = create(design, scaled(height), scaled(design.width));
    }
    // The device context's own font is made for the system's DPI; elsewhere, its like.
    if (const UINT system = systemDpi(); dpi != system) {
        LOGFONTW font{};
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
        font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(system));
        font.lfWidth = MulDiv(font.lfWidth, static_cast<int>(dpi), static_cast<int>(system));
        fonts_[kProgramFontCount] = CreateFontIndirectW(&font);
    }
    for (const HFONT font : fonts_) {
        if (font != nullptr) ledger_.count(+1);
    }
}

void ProgramFonts::release() {
    for (HFONT& font : fonts_) {
        if (font != nullptr && DeleteObject(font)) ledger_.count(-1);
        font = nullptr;
    }
}

ProgramFonts::~ProgramFonts() { release(); }

HFONT ProgramFonts::get(FontId font) const {
    const auto index = static_cast<std::int32_t>(font);
    return index >= 0 && index <= kProgramFontCount ? fonts_[static_cast<std::size_t>(index)] : nullptr;
}

void BitmapCache::scaleTo(UINT dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    release();
}

BitmapCache::~BitmapCache() { release(); }

void BitmapCache::release() {
    for (auto& [id, loaded] : bitmaps_) {
        if (loaded.memory != nullptr) {
            SelectObject(loaded.memory, loaded.original);  // a bitmap must not be deleted while selected
            if (DeleteDC(loaded.memory)) ledger_.count(-1);
        }
        if (loaded.bitmap != nullptr && DeleteObject(loaded.bitmap)) ledger_.count(-1);
    }
    bitmaps_.clear();
}

HDC BitmapCache::select(int bitmapId) {
    auto found = bitmaps_.find(bitmapId);
    if (found == bitmaps_.end()) {
        Loaded loaded;
        loaded.bitmap = loadScaledBitmap(instance_, bitmapId, dpi_);
        if (loaded.bitmap != nullptr) {
            ledger_.count(+1);
            loaded.memory = CreateCompatibleDC(nullptr);
            if (loaded.memory != nullptr) {
                ledger_.count(+1);
                loaded.original = SelectObject(loaded.memory, loaded.bitmap);
            }
        }
        found = bitmaps_.emplace(bitmapId, loaded).first;
    }
    return found->second.memory;
}

GdiSurface::GdiSurface(HDC dc, const PaintResources& resources) : dc_(dc), resources_(resources) {
    savedState_ = SaveDC(dc_);
    SetBkMode(dc_, TRANSPARENT);
    if (const HFONT system = resources_.fonts.get(FontId::systemFont); system != nullptr) SelectObject(dc_, system);
}

GdiSurface::~GdiSurface() {
    // Deselects our fonts and restores the context before it is handed back.
    RestoreDC(dc_, savedState_);
}

TextMetrics GdiSurface::textMetrics() {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return {metrics.tmAveCharWidth, metrics.tmHeight, metrics.tmInternalLeading, metrics.tmExternalLeading};
}

void GdiSurface::selectFont(FontId font) {
    if (const HFONT handle = resources_.fonts.get(font); handle != nullptr) SelectObject(dc_, handle);
}

std::int32_t GdiSurface::textWidth(std::u16string_view text) {
    // Arabic letters join, and a joined word is narrower than its letters one by one, which
    // is what GetTextExtentPoint32 measures on Wine: such a text is measured as shaped.
    const bool joins = std::any_of(text.begin(), text.end(), [](char16_t c) {
        return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFEFF);
    });
    if (joins) {
        const auto length = static_cast<int>(text.size());
        SCRIPT_STRING_ANALYSIS analysis = nullptr;
        if (SUCCEEDED(ScriptStringAnalyse(dc_, text.data(), length, length * 3 / 2 + 16, -1, SSA_GLYPHS | SSA_FALLBACK,
                                          0, nullptr, nullptr, nullptr, nullptr, nullptr, &analysis))) {
            const std::int32_t width = ScriptString_pSize(analysis)->cx;
            ScriptStringFree(&analysis);
            return width;
        }
    }
    SIZE size{};
    GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &size);
    return size.cx;
}

void GdiSurface::setTextColor(Rgb color) { SetTextColor(dc_, colorOf(color)); }

void GdiSurface::setTextAlign(TextAlign align) {
    switch (align) {
        case TextAlign::leftTop: SetTextAlign(dc_, TA_LEFT | TA_TOP); return;
        case TextAlign::rightTop: SetTextAlign(dc_, TA_RIGHT | TA_TOP); return;
        case TextAlign::rightTopRightToLeft: SetTextAlign(dc_, TA_RIGHT | TA_TOP | TA_RTLREADING); return;
        case TextAlign::centreTop: SetTextAlign(dc_, TA_CENTER | TA_TOP); return;
        case TextAlign::centreTopRightToLeft: SetTextAlign(dc_, TA_CENTER | TA_TOP | TA_RTLREADING); return;
    }
}

void GdiSurface::drawText(std::int32_t x, std::int32_t y, std::u16string_view text) {
    // A number or a clock needs neither reordering nor shaping, in any script's digits: spare
    // it the bidirectional pass, the most costly part of drawing a short text.
    const bool number = std::all_of(text.begin(), text.end(), [](char16_t c) {
        return c == u'-' || c == u'/' || c == u':' || decimalDigitValue(c) >= 0;
    });
    ExtTextOutW(dc_, x, y, number ? ETO_IGNORELANGUAGE : 0, nullptr, reinterpret_cast<const wchar_t*>(text.data()),
                static_cast<UINT>(text.size()), nullptr);
}

void GdiSurface::fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) {
    const GdiObject brush(CreateSolidBrush(colorOf(color)), resources_.ledger);
    const HGDIOBJ oldBrush = SelectObject(dc_, brush.get());
    const HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
    RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, ellipse, ellipse);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);  // a brush must not be deleted while selected
}

int GdiSurface::penWidth() const { return std::max(MulDiv(1, static_cast<int>(resources_.fonts.dpi()), 96), 1); }

void GdiSurface::withPen(const std::function<void()>& draw) {
    if (penWidth() == 1 && lineColor_ == kBlack) {  // the device context's own pen
        draw();
        return;
    }
    const GdiObject pen(CreatePen(PS_SOLID, penWidth(), colorOf(lineColor_)), resources_.ledger);
    const HGDIOBJ oldPen = SelectObject(dc_, pen.get());
    draw();
    SelectObject(dc_, oldPen);  // a pen must not be deleted while selected
}

void GdiSurface::frameRoundRect(const Rect& rect, std::int32_t ellipse) {
    const HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    withPen([&] { RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, ellipse, ellipse); });
    SelectObject(dc_, oldBrush);
}

void GdiSurface::drawFocusRect(const Rect& rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    SetTextColor(dc_, RGB(0, 0, 0));  // the dots are drawn in the text and background colours
    SetBkColor(dc_, RGB(255, 255, 255));
    DrawFocusRect(dc_, &r);
}

void GdiSurface::andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                           std::int32_t height) {
    const HDC source = resources_.bitmaps.select(bitmapId);
    if (source != nullptr) BitBlt(dc_, x, y, width, height, source, 0, 0, SRCAND);
}

void GdiSurface::drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    withPen([&] {
        MoveToEx(dc_, x0, y0, nullptr);
        LineTo(dc_, x1, y1);
    });
}

std::unique_ptr<Surface> GdiSurfaceFactory::open() { return std::make_unique<GdiSurface>(dc_, resources_); }

OffscreenCanvas::OffscreenCanvas(HDC compatibleWith, int width, int height, GdiLedger& ledger)
    : ledger_(ledger), width_(width), height_(height) {
    dc_ = CreateCompatibleDC(compatibleWith);
    bitmap_ = CreateCompatibleBitmap(compatibleWith, std::max(width, 1), std::max(height, 1));
    if (dc_ != nullptr) ledger_.count(+1);
    if (bitmap_ != nullptr) ledger_.count(+1);
    oldBitmap_ = SelectObject(dc_, bitmap_);
}

OffscreenCanvas::~OffscreenCanvas() {
    SelectObject(dc_, oldBitmap_);  // a bitmap must not be deleted while selected
    if (bitmap_ != nullptr && DeleteObject(bitmap_)) ledger_.count(-1);
    if (dc_ != nullptr && DeleteDC(dc_)) ledger_.count(-1);
}

HDC OffscreenCanvas::begin(HBRUSH background) const {
    const RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, background);
    return dc_;
}

void OffscreenCanvas::present(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

}  // namespace velmora
