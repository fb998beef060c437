#include "render/scaled_surface.h"

#include <gtest/gtest.h>

#include "laid_out_month.h"
#include "recording_surface.h"
#include "render/main_paint.h"
#include "render/month_grid.h"
#include "test_files.h"

namespace velmora {
namespace {

TEST(DisplayScale, RoundsToTheNearestPixel) {
    EXPECT_EQ((DisplayScale{96}).px(27), 27);
    EXPECT_EQ((DisplayScale{144}).px(27), 41);  // 40.5
    EXPECT_EQ((DisplayScale{144}).px(-3), -5);  // -4.5, away from zero as the positive side
    EXPECT_EQ((DisplayScale{120}).px(10), 13);  // 12.5
    EXPECT_EQ((DisplayScale{144}).design(41), 27);
    for (std::int32_t v = -50; v <= 600; ++v) EXPECT_EQ((DisplayScale{96}).px(v), v);
}

// A whole paint at 200 % is the 96-dpi paint with every place doubled, in the same fonts,
// colours and order, and a 200 % surface that measures twice the width reads as the design.
TEST(ScaledSurface, APaintAt192DpiIsThe96DpiPaintDoubled) {
    const CalendarData data = shippedData();
    const MonthLayout layout = layoutHolding(data, Calendar::jalali, {2026, 12, 9}, {2026, 12, 9});
    MonthView view{layout, 393, 509};
    view.cursorDay = 18;
    Recording designed, shown;
    RecordingSurfaceFactory designedSurfaces(designed), shownSurfaces(shown);
    for (std::int32_t font = 0; font <= static_cast<std::int32_t>(FontId::systemFont); ++font) {
        designed.metrics.try_emplace(static_cast<FontId>(font), TextMetrics{8, 18, 3, 1});
        shown.metrics.try_emplace(static_cast<FontId>(font), TextMetrics{8, 18, 3, 1});
    }
    for (auto& [font, metrics] : shown.metrics) {
        metrics = {metrics.averageCharWidth * 2, metrics.height * 2, metrics.internalLeading * 2,
                   metrics.externalLeading * 2};
    }
    paintDisplayMode(designedSurfaces, view);
    ScaledSurfaceFactory scaled(shownSurfaces, DisplayScale{192});
    paintDisplayMode(scaled, view);
    ASSERT_EQ(designed.calls.size(), shown.calls.size());
    for (std::size_t i = 0; i < designed.calls.size(); ++i) {
        const DrawCall &a = designed.calls[i], &b = shown.calls[i];
        ASSERT_EQ(a.kind, b.kind) << i;
        EXPECT_EQ(b.x, 2 * a.x) << i;
        EXPECT_EQ(b.y, 2 * a.y) << i;
        EXPECT_EQ(b.rect, (Rect{2 * a.rect.left, 2 * a.rect.top, 2 * a.rect.right, 2 * a.rect.bottom})) << i;
        EXPECT_EQ(b.width, 2 * a.width) << i;
        EXPECT_EQ(b.text, a.text) << i;
        EXPECT_EQ(b.font, a.font) << i;
        EXPECT_EQ(b.color, a.color) << i;
    }
}

// The keyboard's cursor is a focus rectangle inside its cell, apart from today's frame.
TEST(ScaledSurface, TheDayCursorIsFramedInsideItsCell) {
    const CalendarData data = shippedData();
    const MonthLayout layout = layoutHolding(data, Calendar::jalali, {2026, 12, 9}, {2026, 12, 9});
    Recording paint;
    RecordingSurface surface(paint);
    MonthView view{layout, 393, 509};
    drawMonthGrid(surface, view);
    EXPECT_TRUE(paint.ofKind(DrawCall::Kind::focusRect).empty());
    view.cursorDay = 20;
    drawMonthGrid(surface, view);
    const auto focus = paint.ofKind(DrawCall::Kind::focusRect);
    ASSERT_EQ(focus.size(), 1u);
    const DayCell& cell = layout.days[19].cell;
    const Rect box = gridCell(393, 509, cell.row, cell.screenColumn).box;
    EXPECT_EQ(focus[0].rect, (Rect{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}));
}

}  // namespace
}  // namespace velmora
