#include "render/companions.h"

#include <optional>

#include "calendar/month_names.h"
#include "calendar/native_digits.h"

namespace velmora {
namespace {

constexpr std::u16string_view kGregorianNames[] = {
    u"",
    u"\u0698\u0627\u0646\u0648\u06CC\u0647",        // January
    u"\u0641\u0648\u0631\u06CC\u0647",              // February
    u"\u0645\u0627\u0631\u0633",                    // March
    u"\u0622\u0648\u0631\u06CC\u0644",              // April
    u"\u0645\u0647",                                // May
    u"\u0698\u0648\u0626\u0646",                    // June
    u"\u0698\u0648\u0626\u06CC\u0647",              // July
    u"\u0627\u0648\u062A",                          // August
    u"\u0633\u067E\u062A\u0627\u0645\u0628\u0631",  // September
    u"\u0627\u06A9\u062A\u0628\u0631",              // October
    u"\u0646\u0648\u0627\u0645\u0628\u0631",        // November
    u"\u062F\u0633\u0627\u0645\u0628\u0631",        // December
    u"\u0698\u0627\u0646\u0648\u06CC\u0647",        // January of the next year
};
std::u16string_view nameIn(const std::u16string_view (&names)[14], std::int32_t month) {
    return month >= 1 && month <= 13 ? names[month] : std::u16string_view();
}

std::u16string_view monthName(Calendar calendar, std::int32_t month) {
    switch (calendar) {
        case Calendar::gregorian: return companionGregorianMonthName(month);
        case Calendar::jalali: return companionJalaliMonthName(month);
        case Calendar::hijri: break;
    }
    return companionHijriMonthName(month);
}

std::int32_t length(std::u16string_view text) { return static_cast<std::int32_t>(text.size()); }

// How one companion differs from the others.
struct Companion {
    Calendar calendar;
    std::int32_t delta;  // added to both coordinates of the day numbers
    Rgb secondNameColor;
    std::int32_t secondNameOffset;  // added to the x of the second month name
    bool measuresAfterFont;         // metrics of companionFont rather than the system font
    bool drawsFridaysTwice;
    bool slashAfterNextYear;  // the slash placed by the length of Yc + 1
};

// The two companions of each display mode, first slot (blue, upper header) then second
// (teal, lower header).
// clang-format off
constexpr Companion kCompanions[3][2] = {
    // Jalali mode: Gregorian, then lunar Hijri.
    {{.calendar = Calendar::gregorian, .delta = -1, .secondNameColor = kBlack, .secondNameOffset = -1,
      .measuresAfterFont = false, .drawsFridaysTwice = true, .slashAfterNextYear = false},
     {.calendar = Calendar::hijri, .delta = 0, .secondNameColor = kMaroon, .secondNameOffset = 0,
      .measuresAfterFont = false, .drawsFridaysTwice = true, .slashAfterNextYear = true}},
    // Miladi mode: Solar Hijri, then lunar Hijri.
    {{.calendar = Calendar::jalali, .delta = 0, .secondNameColor = kBlack, .secondNameOffset = -1,
      .measuresAfterFont = false, .drawsFridaysTwice = false, .slashAfterNextYear = false},
     {.calendar = Calendar::hijri, .delta = 0, .secondNameColor = kBlack, .secondNameOffset = 0,
      .measuresAfterFont = false, .drawsFridaysTwice = false, .slashAfterNextYear = false}},
    // Hijri mode: Gregorian, then Solar Hijri.
    {{.calendar = Calendar::gregorian, .delta = -1, .secondNameColor = kBlack, .secondNameOffset = -1,
      .measuresAfterFont = false, .drawsFridaysTwice = false, .slashAfterNextYear = false},
     {.calendar = Calendar::jalali, .delta = 0, .secondNameColor = kBlack, .secondNameOffset = -2,
      .measuresAfterFont = true, .drawsFridaysTwice = false, .slashAfterNextYear = false}},
};
// clang-format on

// The companion date of the primary 1st and the lengths of the companion months it counts
// through; nothing when a lunar Hijri companion's 1st lies outside the table.
struct CompanionMonths {
    CivilDate first;
    std::int32_t firstLength = 0;
    std::int32_t laterLength = 0;
};

std::optional<CompanionMonths> companionMonths(Calendar calendar, const MonthView& view, DayNumber f) {
    CompanionMonths months;
    switch (calendar) {
        case Calendar::gregorian: {
            months.first = dayNumberToGregorian(f);
            // The table of lengths follows the shown year, January following December.
            const bool leap = isGregorianLeapYear(view.shown.year);
            const auto monthLength = [leap](std::int32_t m) {
                if (m == 13) return 31;
                if (m == 2) return leap ? 29 : 28;
                return gregorianMonthLength(2001, m);
            };
            months.firstLength = monthLength(months.first.month);
            months.laterLength = monthLength(months.first.month + 1);
            break;
        }
        case Calendar::jalali:
            months.first = dayNumberToJalali(f);
            months.firstLength = jalaliMonthLength(months.first.year, months.first.month);
            months.laterLength =
                months.first.month == 12 ? 31 : jalaliMonthLength(months.first.year, months.first.month + 1);
            break;
        case Calendar::hijri: {
            if (!inLunarTable(view.data.bounds, f)) return std::nullopt;
            const HijriCalendar hijri = view.data.hijri();
            months.first = dayNumberToHijri(hijri, f);
            const std::int32_t y = months.first.year;
            const std::int32_t m = months.first.month;
            months.firstLength = monthLength(Calendar::hijri, hijri, y, m);
            months.laterLength =
                m < 12 ? monthLength(Calendar::hijri, hijri, y, m + 1) : monthLength(Calendar::hijri, hijri, y + 1, 1);
            break;
        }
    }
    return months;
}

// The metrics the header is laid out by: of the system font, or of companionFont for the
// companion that selects it first.
TextMetrics headerMetrics(Surface& surface, const Companion& companion) {
    if (companion.measuresAfterFont) surface.selectFont(FontId::companionFont);
    return surface.textMetrics();
}

// The year in the context's default black, and the next one after a slash when the primary
// month begins in the companion's last month.
void drawCompanionYear(Surface& surface, const Companion& companion, const CivilDate& first, std::int32_t x,
                       std::int32_t y, std::int32_t charWidth) {
    surface.selectFont(FontId::companionFont);
    const DigitText year = formatCalendarNumber(companion.calendar, first.year);
    surface.drawText(x, y, year.view());
    if (first.month != 12) return;
    const DigitText nextYear = formatCalendarNumber(companion.calendar, first.year + 1);
    const std::int32_t n = companion.slashAfterNextYear ? nextYear.length : year.length;
    surface.drawText(x + n * charWidth, y, u"/");
    surface.drawText(x + (n + 1) * charWidth, y, nextYear.view());
}

// The two month names, placed leftwards from the anchor with an arrow between.
void drawCompanionMonthNames(Surface& surface, const Companion& companion, const CivilDate& first, std::int32_t anchor,
                             std::int32_t y, std::int32_t charWidth, Rgb slotColor) {
    const std::u16string_view name1 = monthName(companion.calendar, first.month);
    const std::u16string_view name2 = monthName(companion.calendar, first.month + 1);
    surface.selectFont(FontId::smallFont);
    surface.setTextColor(slotColor);
    surface.drawText(anchor - (length(name1) - 2) * charWidth, y, name1);
    surface.setTextColor(kBlack);
    surface.drawText(anchor - length(name1) * charWidth, y, kMonthArrow);
    surface.setTextColor(companion.secondNameColor);
    surface.drawText(anchor - (length(name1) + length(name2)) * charWidth + companion.secondNameOffset, y, name2);
}

// A counter that restarts at 1 after each companion month, one number per primary day;
// everything after the first restart is black.
void drawCompanionDays(Surface& surface, const MonthView& view, const Companion& companion, const PrimaryMonth& month,
                       const CompanionMonths& months, std::int32_t left, Rgb slotColor) {
    const std::int32_t cell = cellWidth(view.clientWidth);
    const std::int32_t row = rowHeight(view.clientHeight);
    const std::int32_t top = view.clientHeight / 16 + row + (view.clientHeight / 52) * 8;
    surface.selectFont(FontId::companionFont);
    std::int32_t counter = months.first.day - 1;
    std::int32_t currentLength = months.firstLength;
    bool wrapped = false;
    for (std::int32_t day = 1; day <= drawableDays(month); ++day) {
        const DayCell place = dayCell(month, day);
        if (counter >= currentLength) {
            counter = 0;
            wrapped = true;
            currentLength = months.laterLength;
        }
        ++counter;
        surface.setTextColor(wrapped ? kBlack : slotColor);
        const std::int32_t x = left + place.screenColumn * cell + companion.delta;
        const std::int32_t y = top + (place.row - 1) * row + companion.delta;
        const DigitText text = formatCalendarNumber(companion.calendar, counter);
        surface.drawText(x, y, text.view());
        if (companion.drawsFridaysTwice && place.weekdayColumn == 6) surface.drawText(x, y, text.view());
    }
}

}  // namespace

std::u16string_view companionGregorianMonthName(std::int32_t month) { return nameIn(kGregorianNames, month); }
// The combo boxes' names without their trailing blank; 13 is Farvardin again.
std::u16string_view companionJalaliMonthName(std::int32_t month) {
    if (month < 1 || month > 13) return {};
    std::u16string_view name = jalaliMonthNames[month == 13 ? 1 : month];
    name.remove_suffix(1);
    return name;
}

// The combo boxes' names, but Dhu al-Hijja written as one word; 13 is Muharram again.
std::u16string_view companionHijriMonthName(std::int32_t month) {
    if (month == 12) return u"\u0630\u06CC\u062D\u062C\u0647";
    if (month < 1 || month > 13) return {};
    return hijriMonthNames[month == 13 ? 1 : month];
}

void drawCompanion(Surface& surface, const MonthView& view, Calendar mode, std::int32_t slot) {
    const bool secondSlot = slot == 1;
    const Companion& companion = kCompanions[calendarIndex(mode)][secondSlot ? 1 : 0];
    const PrimaryMonth month = primaryMonth(view, mode);
    const auto months = companionMonths(companion.calendar, view, month.first());
    if (!months) return;  // the lunar Hijri table does not reach this month
    const std::int32_t w = view.clientWidth;
    const std::int32_t h = view.clientHeight;
    const TextMetrics metrics = headerMetrics(surface, companion);
    const std::int32_t charWidth = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.internalLeading;
    const std::int32_t headerTop = secondSlot ? (h / 52) * 10 - lineHeight - 15 : (h / 52) * 10 - 20;
    const Rgb slotColor = secondSlot ? kSecondSlotTeal : kFirstSlotBlue;
    drawCompanionYear(surface, companion, months->first, (w * 10) / 46, headerTop, charWidth);
    drawCompanionMonthNames(surface, companion, months->first, (w * 100) / 137, headerTop, charWidth, slotColor);
    const std::int32_t left = secondSlot ? w / 16 + w / 14 + 7 : w / 70 + w / 14 + 7;
    drawCompanionDays(surface, view, companion, month, *months, left, slotColor);
}

}  // namespace velmora
