#include "decisions/keyboard.h"

#include <array>

#include "calendar/calendar_record.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr std::array<KeyBinding, 12> kBindings = {{
    {key::pageUp, false, IDC_PREVIOUS_MONTH},
    {key::pageDown, false, IDC_NEXT_MONTH},
    {key::pageUp, true, IDM_PREVIOUS_YEAR},
    {key::pageDown, true, IDM_NEXT_YEAR},
    {key::home, false, IDM_FILE_GO_TO_TODAY},
    {key::f1, false, IDM_HELP_CONTENTS},
    {key::escape, false, IDM_HIDE_WINDOW},
    {'1', true, IDM_OPTION_JALALI_MODE},
    {'2', true, IDM_OPTION_MILADI_MODE},
    {'3', true, IDM_OPTION_HIJRI_MODE},
    {'G', true, IDM_OPTION_CONVERT},
    {'C', true, IDM_FILE_COPY_DAY},
}};

}  // namespace

std::span<const KeyBinding> keyBindings() { return kBindings; }

std::optional<std::uint16_t> commandOfKey(std::uint16_t pressed, bool control, KeyFocus focus) {
    if (focus == KeyFocus::droppedMonthBox) return std::nullopt;
    if (focus == KeyFocus::yearBox && pressed == key::home && !control) return std::nullopt;
    if (focus == KeyFocus::yearBox && pressed == 'C' && control) return std::nullopt;  // copies the box's text
    for (const KeyBinding& binding : kBindings) {
        if (binding.key == pressed && binding.control == control) return binding.command;
    }
    return std::nullopt;
}

ShownMonth moveDayCursor(const ShownMonth& shown, const NavigationContext& context, std::uint16_t arrow) {
    // Left is the next day in a grid that reads from the right.
    const std::int32_t leftward = calendarRecord(shown.mode).rightToLeft ? +1 : -1;
    std::int32_t step = 0;
    switch (arrow) {
        case key::left: step = leftward; break;
        case key::right: step = -leftward; break;
        case key::up: step = -7; break;
        case key::down: step = 7; break;
        default: return shown;
    }
    const DayNumber to = shownDayNumber(shown, context.data) + step;
    const DaySpan span = daySpanOf(shown.mode, context.data);
    if (to < span.first || to > span.last) return shown;
    return monthHolding(shown.mode, context.data, to);
}

}  // namespace velmora
