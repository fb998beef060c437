#include "decisions/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "resources/resource_ids.h"

namespace velmora {
namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The window at 100, 125, 150, 200 and 300 %: every control and drawn box inside the client
// area, no control over another or over the calendar panel (but the grid, which is its
// cells), and each within one scaled pixel of the 96-dpi layout times the scale.
TEST(WindowLayout, EveryScaleIsTheDesignScaled) {
    // The paint's client area as the window has it (w, h), its client area (less a border and
    // a small caption than the paint counts), and the base units of two systems.
    constexpr std::int32_t w = 393, h = 509;
    for (const BaseUnits units : {BaseUnits{7, 16}, BaseUnits{8, 16}, BaseUnits{6, 13}}) {
        const WindowLayout design = mainWindowLayout(w, h, units, 7, DisplayScale{96}, Language::english);
        for (const std::int32_t dpi : {96, 120, 144, 192, 288}) {
            const DisplayScale scale{dpi};
            const WindowLayout layout = mainWindowLayout(w, h, units, 7, scale, Language::english);
            const Rect client{0, 0, scale.px(w + 1), scale.px(h + 1 + 15)};
            const auto inside = [&](const Rect& r) {
                return r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom;
            };
            ASSERT_EQ(layout.controls.size(), design.controls.size());
            EXPECT_TRUE(inside(layout.calendarPanel));
            EXPECT_TRUE(inside(layout.link));
            for (std::size_t i = 0; i < layout.controls.size(); ++i) {
                const ControlPlace& place = layout.controls[i];
                SCOPED_TRACE(std::to_string(dpi) + " dpi, control " + std::to_string(place.id));
                EXPECT_TRUE(inside(place.rect));
                const Rect& r96 = design.controls[i].rect;
                const auto nearScaled = [&](std::int32_t shown, std::int32_t designed) {
                    return std::abs(shown * 96 - designed * dpi) <= dpi;  // one scaled pixel
                };
                EXPECT_TRUE(nearScaled(place.rect.left, r96.left) && nearScaled(place.rect.top, r96.top) &&
                            nearScaled(place.rect.right, r96.right) && nearScaled(place.rect.bottom, r96.bottom));
                if (place.id != IDC_DAY_GRID) {
                    EXPECT_FALSE(overlap(place.rect, layout.calendarPanel));
                }
                for (std::size_t j = i + 1; j < layout.controls.size(); ++j)
                    EXPECT_FALSE(overlap(place.rect, layout.controls[j].rect)) << layout.controls[j].id;
            }
        }
    }
}

// Tab reads the top row from the left in English and from the right in Persian, then the
// grid, the holiday panel's lines and the occasions button below them.
TEST(WindowLayout, TabGoesInReadingOrder) {
    for (const Language language : {Language::english, Language::persian}) {
        const WindowLayout layout = mainWindowLayout(393, 509, {7, 16}, 7, DisplayScale{144}, language);
        std::vector<ControlPlace> top(layout.controls.begin(), layout.controls.begin() + 5);
        for (const ControlPlace& place : top) EXPECT_EQ(place.rect.top, top.front().rect.top);
        EXPECT_TRUE(std::is_sorted(top.begin(), top.end(), [&](const ControlPlace& a, const ControlPlace& b) {
            return language == Language::english ? a.rect.left < b.rect.left : a.rect.left > b.rect.left;
        }));
        const std::int32_t below[] = {layout.controls[5].id, layout.controls[6].id, layout.controls[7].id};
        EXPECT_EQ(std::vector<std::int32_t>(std::begin(below), std::end(below)),
                  (std::vector<std::int32_t>{IDC_DAY_GRID, IDC_HOLIDAY_LIST, IDC_ALL_OCCASIONS}));
    }
}

// A dialog opened off the screen or under the taskbar comes back onto the work area whole;
// one larger than the area keeps its top-left corner on it.
TEST(WindowLayout, AWindowIsKeptInsideTheWorkArea) {
    const Rect work{0, 0, 1024, 728};  // a taskbar of 40 below
    EXPECT_EQ(keptInside({100, 318, 600, 768}, work), (Rect{100, 278, 600, 728}));
    EXPECT_EQ(keptInside({-130, 50, 370, 300}, work), (Rect{0, 50, 500, 300}));
    EXPECT_EQ(keptInside({900, 10, 1400, 200}, work), (Rect{524, 10, 1024, 200}));
    EXPECT_EQ(keptInside({10, 10, 1200, 900}, work), (Rect{0, 0, 1190, 890}));
    EXPECT_EQ(keptInside({10, 10, 110, 110}, work), (Rect{10, 10, 110, 110}));
    EXPECT_EQ(keptInside({-50, -50, 50, 50}, Rect{-1024, 0, 0, 768}),
              (Rect{-100, 0, 0, 100}));  // a display at the left
    // Wine's desktop counts its taskbar in the work area: taken off at whichever edge it lies along.
    const Rect screen{0, 0, 1024, 768};
    EXPECT_EQ(clearOfTaskbar(screen, {0, 740, 1024, 768}), (Rect{0, 0, 1024, 740}));
    EXPECT_EQ(clearOfTaskbar(screen, {0, 0, 1024, 30}), (Rect{0, 30, 1024, 768}));
    EXPECT_EQ(clearOfTaskbar(screen, {0, 0, 60, 768}), (Rect{60, 0, 1024, 768}));
    EXPECT_EQ(clearOfTaskbar(screen, {964, 0, 1024, 768}), (Rect{0, 0, 964, 768}));
    EXPECT_EQ(clearOfTaskbar(work, {0, 728, 1024, 768}), work);       // Windows took it off already
    EXPECT_EQ(clearOfTaskbar(screen, {300, 740, 600, 768}), screen);  // not a taskbar along an edge
    EXPECT_EQ(clearOfTaskbar(screen, {}), screen);                    // none
}

// The month at the clock on a 1920 x 1080 display with its taskbar at each of the four edges,
// a 400 x 613 window 12 pixels from the taskbar; at 200 % the same with everything doubled.
TEST(WindowLayout, TheMonthOpensAtTheClockOnEveryTaskbarEdge) {
    const Rect monitor{0, 0, 1920, 1080};
    struct Case {
        Rect work;
        std::optional<Rect> icon;
        TaskbarEdge edge;
        Rect place;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1032}, Rect{1700, 1040, 1724, 1064}, TaskbarEdge::bottom, {1508, 407, 1908, 1020}},
        {{0, 0, 1920, 1032}, Rect{300, 1040, 324, 1064}, TaskbarEdge::bottom, {112, 407, 512, 1020}},
        {{0, 48, 1920, 1080}, Rect{1700, 12, 1724, 36}, TaskbarEdge::top, {1508, 60, 1908, 673}},
        {{62, 0, 1920, 1080}, Rect{20, 900, 44, 924}, TaskbarEdge::left, {74, 455, 474, 1068}},
        {{0, 0, 1858, 1080}, Rect{1876, 200, 1900, 224}, TaskbarEdge::right, {1446, 12, 1846, 625}},
        {{0, 0, 1920, 1032}, std::nullopt, TaskbarEdge::bottom, {1508, 407, 1908, 1020}},  // no icon: the corner
        {{62, 0, 1920, 1080}, std::nullopt, TaskbarEdge::left, {74, 455, 474, 1068}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(taskbarEdge(monitor, c.work), c.edge);
        EXPECT_EQ(flyoutPlace(c.icon, c.work, c.edge, 400, 613, 12), c.place) << c.place.left << "," << c.place.top;
    }
    const auto doubled = [](Rect r) { return Rect{r.left * 2, r.top * 2, r.right * 2, r.bottom * 2}; };
    EXPECT_EQ(
        flyoutPlace(doubled({1700, 1040, 1724, 1064}), doubled({0, 0, 1920, 1032}), TaskbarEdge::bottom, 800, 1226, 24),
        doubled({1508, 407, 1908, 1020}));
    // A window taller than the work area keeps its top on it.
    EXPECT_EQ(flyoutPlace(Rect{1000, 740, 1024, 764}, {0, 0, 1024, 728}, TaskbarEdge::bottom, 400, 900, 12).top, 12);
}

}  // namespace
}  // namespace velmora
