#include "app/gdi_surface.h"

#include <algorithm>

namespace velmora {
namespace {

std::int32_t liveObjects = 0;

COLORREF colorOf(Rgb color) { return RGB(color.red, color.green, color.blue); }

// Owns a GDI object or a memory device context: deleted, and uncounted, when it goes out of
// scope, so every object a call creates is gone before the call returns.
template <typename Handle, BOOL (*destroy)(Handle)>
class GdiGuard {
public:
    explicit GdiGuard(Handle handle) : handle_(handle) {
        if (handle_ != nullptr) countGdiObject(+1);
    }
    ~GdiGuard() {
        if (handle_ != nullptr) {
            destroy(handle_);
            countGdiObject(-1);
        }
    }
    GdiGuard(const GdiGuard&) = delete;
    GdiGuard& operator=(const GdiGuard&) = delete;
    Handle get() const { return handle_; }

private:
    Handle handle_;
};

BOOL deleteObject(HGDIOBJ object) { return DeleteObject(object); }
BOOL deleteDc(HDC dc) { return DeleteDC(dc); }
using GdiObject = GdiGuard<HGDIOBJ, deleteObject>;
using MemoryDc = GdiGuard<HDC, deleteDc>;

}  // namespace

std::int32_t liveGdiObjects() { return liveObjects; }
void countGdiObject(std::int32_t change) { liveObjects += change; }

GdiSurface::GdiSurface(HWND window, const HFONT* fonts, HINSTANCE instance)
    : window_(window), dc_(GetDC(window)), fonts_(fonts), instance_(instance) {
    if (dc_ != nullptr) countGdiObject(+1);
    savedState_ = SaveDC(dc_);
    SetBkMode(dc_, TRANSPARENT);
}

GdiSurface::GdiSurface(HDC borrowed, const HFONT* fonts, HINSTANCE instance)
    : dc_(borrowed), fonts_(fonts), instance_(instance) {
    savedState_ = SaveDC(dc_);
    SetBkMode(dc_, TRANSPARENT);
}

GdiSurface::~GdiSurface() {
    // Deselects our fonts and restores the context before it is released or handed back.
    RestoreDC(dc_, savedState_);
    if (window_ != nullptr && dc_ != nullptr) {
        ReleaseDC(window_, dc_);
        countGdiObject(-1);
    }
}

TextMetrics GdiSurface::textMetrics() {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return {metrics.tmAveCharWidth, metrics.tmHeight, metrics.tmInternalLeading, metrics.tmExternalLeading};
}

void GdiSurface::selectFont(FontId font) {
    const auto index = static_cast<std::int32_t>(font);
    if (index < 0 || index >= kProgramFontCount || fonts_[index] == nullptr) return;
    SelectObject(dc_, fonts_[index]);
}

void GdiSurface::setTextColor(Rgb color) { SetTextColor(dc_, colorOf(color)); }

void GdiSurface::setTextAlign(TextAlign align) {
    SetTextAlign(dc_, align == TextAlign::rightTop ? TA_RIGHT | TA_TOP : TA_LEFT | TA_TOP);
}

void GdiSurface::drawText(std::int32_t x, std::int32_t y, std::u16string_view text) {
    SetBkMode(dc_, TRANSPARENT);
    TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()));
}

void GdiSurface::fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) {
    const GdiObject brush(CreateSolidBrush(colorOf(color)));
    const HGDIOBJ oldBrush = SelectObject(dc_, brush.get());
    const HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
    RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, ellipse, ellipse);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);  // a brush must not be deleted while selected
}

void GdiSurface::frameRoundRect(const Rect& rect, std::int32_t ellipse) {
    const HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, ellipse, ellipse);
    SelectObject(dc_, oldBrush);
}

void GdiSurface::andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                           std::int32_t height) {
    const GdiObject bitmap(LoadBitmapW(instance_, MAKEINTRESOURCEW(bitmapId)));
    if (bitmap.get() == nullptr) return;
    const MemoryDc memory(CreateCompatibleDC(dc_));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BitBlt(dc_, x, y, width, height, memory.get(), 0, 0, SRCAND);
    SelectObject(memory.get(), old);
}

void GdiSurface::drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    MoveToEx(dc_, x0, y0, nullptr);
    LineTo(dc_, x1, y1);
}

std::unique_ptr<Surface> GdiSurfaceFactory::open() {
    return std::make_unique<GdiSurface>(dc_, fonts_, instance_);
}

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height, HBRUSH background)
    : target_(target), width_(width), height_(height) {
    dc_ = CreateCompatibleDC(target);
    bitmap_ = CreateCompatibleBitmap(target, std::max(width, 1), std::max(height, 1));
    if (dc_ != nullptr) countGdiObject(+1);
    if (bitmap_ != nullptr) countGdiObject(+1);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, background);
}

OffscreenCanvas::~OffscreenCanvas() {
    SelectObject(dc_, oldBitmap_);  // a bitmap must not be deleted while selected
    if (bitmap_ != nullptr && DeleteObject(bitmap_)) countGdiObject(-1);
    if (dc_ != nullptr && DeleteDC(dc_)) countGdiObject(-1);
}

void OffscreenCanvas::present() const { BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

}  // namespace velmora
