#include "render/main_paint.h"

#include "occasions/month_occasions.h"
#include "render/companions.h"
#include "render/weekday_strip.h"

namespace velmora {

std::int32_t drawLink(Surface& paintSurface, std::int32_t clientWidth, std::int32_t clientHeight) {
    const std::int32_t charWidth = paintSurface.textMetrics().averageCharWidth;
    const std::int32_t x0 = linkLeft(clientWidth, charWidth);
    paintSurface.selectFont(FontId::linkFont);
    paintSurface.setTextColor(kRed);
    paintSurface.drawText(x0, clientHeight, kLinkText);
    paintSurface.drawLine(x0, clientHeight + 13, x0 + 103, clientHeight + 13);
    return charWidth;
}

MonthControls paintDisplayMode(SurfaceFactory& surfaces, const MonthView& view, std::int32_t displayMode) {
    using Strip = void (*)(Surface&, const MonthView&);
    using Grid = MonthControls (*)(Surface&, const MonthView&);
    struct Renderers {
        Strip strip;
        Grid grid;
        Strip firstCompanion;
        Strip secondCompanion;
    };
    static constexpr Renderers kByMode[] = {
        {drawJalaliWeekdayStrip, drawJalaliMonthGrid, drawGregorianCompanionOfJalali, drawHijriCompanionOfJalali},
        {drawGregorianWeekdayStrip, drawGregorianMonthGrid, drawJalaliCompanionOfGregorian, drawHijriCompanionOfGregorian},
        {drawHijriWeekdayStrip, drawHijriMonthGrid, drawGregorianCompanionOfHijri, drawJalaliCompanionOfHijri},
    };
    if (displayMode < 0 || displayMode > 2) return {};
    const Renderers& renderers = kByMode[displayMode];
    renderers.strip(*surfaces.open(), view);
    const MonthControls controls = renderers.grid(*surfaces.open(), view);
    renderers.firstCompanion(*surfaces.open(), view);
    renderers.secondCompanion(*surfaces.open(), view);
    drawMonthOccasions(*surfaces.open(), view, displayMode);
    return controls;
}

}  // namespace velmora
