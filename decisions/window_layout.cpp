#include "decisions/window_layout.h"

#include <algorithm>

#include "render/holiday_panel.h"
#include "render/main_paint.h"
#include "render/month_grid.h"
#include "render/weekday_strip.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr Rect box(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return {x, y, x + width, y + height};
}

}  // namespace

WindowLayout mainWindowLayout(std::int32_t w, std::int32_t h, BaseUnits units, std::int32_t paintCharWidth,
                              DisplayScale scale, Language language) {
    const std::int32_t bx = units.x, by = units.y;
    const std::int32_t top = h / 20, buttonWidth = (bx * 35) / 10, buttonHeight = (by * 15) / 10;
    const Rect next = box((w * 10) / 98, top, buttonWidth, buttonHeight);
    const Rect year = box((w * 10) / 47, top, (bx * 725) / 100, buttonHeight);
    const Rect upDown = box(year.right, top, bx * 2, buttonHeight);
    // Closed; it drops down below. Wide enough for "December" and "جمادی الثانی" at any scale.
    const Rect monthBox = box(w / 2, top, (bx * 150) / 10, buttonHeight);
    const Rect previous = box((w * 10) / 12, top, buttonWidth, buttonHeight);
    const Rect occasions = box(27, buttonHeight + h - 35, 60, 20);
    // The days' cells, whose window takes the keyboard and speaks to screen readers.
    const Rect grid{gridCell(w, h, 1, 0).box.left, gridCell(w, h, 1, 0).box.top, gridCell(w, h, 1, 6).box.right,
                    gridCell(w, h, 6, 0).box.bottom};
    // The holiday panel's lines, beside the occasions button and above the link.
    const std::int32_t textEnd = monthOccasionsTextEnd(w, paintCharWidth);
    const Rect holidays{occasions.right + 4, std::max(h - 80, grid.bottom), std::min(textEnd + 40, w), h};

    WindowLayout layout;
    const bool persian = language == Language::persian;
    const ControlPlace topRow[] = {{IDC_NEXT_MONTH, next},
                                   {IDC_YEAR_EDIT, year},
                                   {IDC_YEAR_UP_DOWN, upDown},
                                   {IDC_JALALI_MONTH_COMBO, monthBox},
                                   {IDC_PREVIOUS_MONTH, previous}};
    if (persian) {
        for (auto it = std::rbegin(topRow); it != std::rend(topRow); ++it) layout.controls.push_back(*it);
    } else {
        layout.controls.assign(std::begin(topRow), std::end(topRow));
    }
    // The panel's lines are read before the button below their left end, in either language.
    layout.controls.push_back({IDC_DAY_GRID, grid});
    layout.controls.push_back({IDC_HOLIDAY_LIST, holidays});
    layout.controls.push_back({IDC_ALL_OCCASIONS, occasions});
    for (ControlPlace& place : layout.controls) place.rect = scale.px(place.rect);
    layout.calendarPanel = scale.px(calendarPanel(w, h));
    const std::int32_t linkX = linkLeft(w, paintCharWidth);
    layout.link = scale.px(Rect{linkX, h, linkX + 100, h + 13});
    return layout;
}

Rect placeOf(const WindowLayout& layout, std::int32_t id) {
    for (const ControlPlace& place : layout.controls) {
        if (place.id == id) return place.rect;
    }
    return {};
}

Rect keptInside(const Rect& window, const Rect& workArea) {
    const std::int32_t width = window.right - window.left, height = window.bottom - window.top;
    const std::int32_t left = std::max(std::min(window.left, workArea.right - width), workArea.left);
    const std::int32_t top = std::max(std::min(window.top, workArea.bottom - height), workArea.top);
    return {left, top, left + width, top + height};
}

Rect clearOfTaskbar(const Rect& workArea, const Rect& taskbar) {
    Rect area = workArea;
    const bool across = taskbar.left <= area.left && taskbar.right >= area.right;
    const bool along = taskbar.top <= area.top && taskbar.bottom >= area.bottom;
    if (across && taskbar.bottom >= area.bottom && taskbar.top > area.top)
        area.bottom = std::min(area.bottom, taskbar.top);
    else if (across && taskbar.top <= area.top && taskbar.bottom < area.bottom)
        area.top = std::max(area.top, taskbar.bottom);
    else if (along && taskbar.right >= area.right && taskbar.left > area.left)
        area.right = std::min(area.right, taskbar.left);
    else if (along && taskbar.left <= area.left && taskbar.right < area.right)
        area.left = std::max(area.left, taskbar.right);
    return area;
}

TaskbarEdge taskbarEdge(const Rect& monitor, const Rect& workArea) {
    if (workArea.top > monitor.top) return TaskbarEdge::top;
    if (workArea.left > monitor.left) return TaskbarEdge::left;
    if (workArea.right < monitor.right) return TaskbarEdge::right;
    return TaskbarEdge::bottom;
}

Rect flyoutPlace(const std::optional<Rect>& icon, const Rect& workArea, TaskbarEdge edge, std::int32_t width,
                 std::int32_t height, std::int32_t gap) {
    const bool upright = edge == TaskbarEdge::left || edge == TaskbarEdge::right;
    // Along the taskbar: centred on the icon, or at the notification area's end.
    std::int32_t left = workArea.right - gap - width, top = workArea.bottom - gap - height;
    if (icon && !upright) left = (icon->left + icon->right) / 2 - width / 2;
    if (icon && upright) top = (icon->top + icon->bottom) / 2 - height / 2;
    // Across it: against the taskbar's edge.
    switch (edge) {
        case TaskbarEdge::top: top = workArea.top + gap; break;
        case TaskbarEdge::left: left = workArea.left + gap; break;
        case TaskbarEdge::right: left = workArea.right - gap - width; break;
        case TaskbarEdge::bottom: top = workArea.bottom - gap - height; break;
    }
    const Rect inside{workArea.left + gap, workArea.top + gap, workArea.right - gap, workArea.bottom - gap};
    return keptInside({left, top, left + width, top + height}, inside);
}

}  // namespace velmora
