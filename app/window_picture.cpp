#include "app/window_picture.h"

#include <windowsx.h>

#include "app/display_scale.h"
#include "app/theme.h"

namespace velmora {

void WindowPicture::scaleTo(UINT dpi) {
    dpi_ = dpi;
    fonts_.scaleTo(dpi);
    bitmaps_.scaleTo(dpi);
    canvas_.reset();
    linkCharWidth_ = 0;
}

void WindowPicture::sized(HWND window, int width, int height) {
    const DisplayScale scale = this->scale();
    width_ = scale.design(width) - systemMetricAt(SM_CXBORDER, 96);
    height_ = scale.design(height) - systemMetricAt(SM_CYBORDER, 96) - systemMetricAt(SM_CYSMCAPTION, 96);
    if (linkCharWidth_ == 0)  // until the first paint measures it: the default font's
        linkCharWidth_ = scale.design(averageCharWidth(window, fonts_.get(FontId::systemFont)));
}

POINT WindowPicture::designPoint(LPARAM lParam) const {
    return {scale().design(GET_X_LPARAM(lParam)), scale().design(GET_Y_LPARAM(lParam))};
}

void WindowPicture::paint(HWND window, HDC dc, const MonthView& view, const PrayerBand* band) {
    RECT client;
    GetClientRect(window, &client);
    if (!canvas_ || !canvas_->fits(client.right, client.bottom))
        canvas_ = std::make_unique<OffscreenCanvas>(dc, client.right, client.bottom, ledger_);
    const HDC canvas = canvas_->begin(themeBrush(view.palette.window));
    GdiSurfaceFactory shown(canvas, resources_);
    ScaledSurfaceFactory surfaces(shown, scale());
    linkCharWidth_ = drawLink(*surfaces.open(), width_, height_, view.palette);
    paintDisplayMode(surfaces, view);
    if (band != nullptr) drawPrayerBand(*surfaces.open(), *band, width_, height_ + 20, view.palette);  // under the link
    canvas_->present(dc);
}

}  // namespace velmora
