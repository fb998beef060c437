#include "render/scaled_surface.h"

namespace velmora {

TextMetrics ScaledSurface::textMetrics() {
    const TextMetrics shown = shown_->textMetrics();
    return {scale_.design(shown.averageCharWidth), scale_.design(shown.height), scale_.design(shown.internalLeading),
            scale_.design(shown.externalLeading)};
}

std::unique_ptr<Surface> ScaledSurfaceFactory::open() {
    std::unique_ptr<Surface> shown = shown_.open();
    if (scale_.identity()) return shown;
    return std::make_unique<ScaledSurface>(std::move(shown), scale_);
}

}  // namespace velmora
