#include "render/main_paint.h"

#include "calendar/calendar_record.h"
#include "render/companions.h"
#include "render/holiday_panel.h"
#include "render/weekday_strip.h"

namespace velmora {

std::int32_t drawLink(Surface& paintSurface, std::int32_t clientWidth, std::int32_t clientHeight,
                      const Palette& palette) {
    const std::int32_t charWidth = paintSurface.textMetrics().averageCharWidth;
    const std::int32_t x0 = linkLeft(clientWidth, charWidth);
    paintSurface.selectFont(FontId::linkFont);
    paintSurface.setTextColor(palette.holidayText);
    paintSurface.setLineColor(palette.text);
    paintSurface.drawText(x0, clientHeight, kLinkText);
    // Underlined as far as the text goes.
    paintSurface.drawLine(x0, clientHeight + 13, x0 + paintSurface.textWidth(kLinkText), clientHeight + 13);
    return charWidth;
}

void paintDisplayMode(SurfaceFactory& surfaces, const MonthView& view) {
    drawWeekdayStrip(*surfaces.open(), view);
    drawMonthGrid(*surfaces.open(), view);
    drawCompanion(*surfaces.open(), view, 0);
    drawCompanion(*surfaces.open(), view, 1);
    if (view.layout.predicted) drawPredictedMark(*surfaces.open(), view);
    drawHolidayPanel(*surfaces.open(), view);
}

}  // namespace velmora
