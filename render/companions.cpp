#include "render/companions.h"

#include <optional>

#include "calendar/month_names.h"
#include "calendar/native_digits.h"

namespace velmora {
namespace {

using Calendar = CalendarKind;

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

// How one companion differs from the others: its calendar, slot and details.
struct Companion {
    std::int32_t mode;
    Calendar calendar;
    bool secondSlot;
    std::int32_t delta;             // added to both coordinates of the day numbers
    Rgb secondNameColor;
    std::int32_t secondNameOffset;
    bool measuresAfterFont;         // metrics of companionFont rather than the system font
    bool drawsFridaysTwice;
    bool slashAfterNextYear;        // the slash placed by the length of Yc + 1
};

// The companion date of the primary 1st and the lengths of the companion months it counts
// through; nothing when a lunar Hijri companion's 1st lies outside the table.
struct CompanionMonths {
    CivilDate first;
    std::int32_t firstLength = 0;
    std::int32_t laterLength = 0;
};

std::optional<CompanionMonths> companionMonths(const Companion& companion, const MonthView& view, DayNumber f) {
    CompanionMonths months;
    switch (companion.calendar) {
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
            months.laterLength = months.first.month == 12 ? 31 : jalaliMonthLength(months.first.year, months.first.month + 1);
            break;
        case Calendar::hijri: {
            const HijriBounds& bounds = view.files.bounds;
            if (f < bounds.minJulianday || f > bounds.maxJulianday) return std::nullopt;
            months.first = dayNumberToHijri(view.files.hijri(), f);
            const HijriMonthLengths lengths = view.files.lunar.readHijriMonthLengths(months.first.year);
            const std::int32_t m = months.first.month;
            months.firstLength = m >= 1 && m <= 12 ? lengths[static_cast<std::size_t>(m)] : 0;
            months.laterLength = m >= 1 && m < 12 ? lengths[static_cast<std::size_t>(m + 1)]
                                                  : view.files.lunar.readHijriMonthLengths(months.first.year + 1)[1];
            break;
        }
    }
    return months;
}

void drawCompanion(Surface& surface, const MonthView& view, const Companion& companion) {
    const PrimaryMonth month = primaryMonth(view, companion.mode);
    const auto months = companionMonths(companion, view, month.first());
    if (!months) return;  // the lunar Hijri table does not reach this month
    const CivilDate first = months->first;
    const std::int32_t w = view.clientWidth;
    const std::int32_t h = view.clientHeight;

    if (companion.measuresAfterFont) surface.selectFont(FontId::companionFont);
    const TextMetrics metrics = surface.textMetrics();
    const std::int32_t charWidth = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.internalLeading;
    surface.selectFont(FontId::companionFont);

    // Header: the year (the context's default black), and the next one after a slash when
    // the primary month begins in the companion's last month.
    const std::int32_t yearLeft = (w * 10) / 46;
    const std::int32_t headerTop = companion.secondSlot ? (h / 52) * 10 - lineHeight - 15 : (h / 52) * 10 - 20;
    const DigitText year = formatCalendarNumber(companion.calendar, first.year);
    surface.drawText(yearLeft, headerTop, year.view());
    if (first.month == 12) {
        const std::int32_t n = companion.slashAfterNextYear ? formatCalendarNumber(companion.calendar, first.year + 1).length : year.length;
        surface.drawText(yearLeft + n * charWidth, headerTop, u"/");
        surface.drawText(yearLeft + (n + 1) * charWidth, headerTop, formatCalendarNumber(companion.calendar, first.year + 1).view());
    }

    // Header: the two month names, placed leftwards from the anchor with an arrow between.
    const Rgb slotColor = companion.secondSlot ? kSecondSlotTeal : kFirstSlotBlue;
    const std::int32_t anchor = (w * 100) / 137;
    const std::u16string_view name1 = monthName(companion.calendar, first.month);
    const std::u16string_view name2 = monthName(companion.calendar, first.month + 1);
    surface.selectFont(FontId::smallFont);
    surface.setTextColor(slotColor);
    surface.drawText(anchor - (length(name1) - 2) * charWidth, headerTop, name1);
    surface.setTextColor(kBlack);
    surface.drawText(anchor - length(name1) * charWidth, headerTop, kMonthArrow);
    surface.setTextColor(companion.secondNameColor);
    surface.drawText(anchor - (length(name1) + length(name2)) * charWidth + companion.secondNameOffset, headerTop, name2);

    // Day numbers: a counter that restarts at 1 after each companion month; everything after
    // the first restart is black.
    const std::int32_t cell = cellWidth(w);
    const std::int32_t row = rowHeight(h);
    const std::int32_t top = h / 16 + row + (h / 52) * 8;
    const std::int32_t left = companion.secondSlot ? w / 16 + w / 14 + 7 : w / 70 + w / 14 + 7;
    surface.selectFont(FontId::companionFont);
    std::int32_t counter = first.day - 1;
    std::int32_t currentLength = months->firstLength;
    bool wrapped = false;
    for (std::int32_t day = 1; day <= drawableDays(month); ++day) {
        const DayCell place = dayCell(month, day);
        if (counter >= currentLength) {
            counter = 0;
            wrapped = true;
            currentLength = months->laterLength;
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

void drawGregorianCompanionOfJalali(Surface& surface, const MonthView& view) {
    drawCompanion(surface, view, {kJalaliMode, Calendar::gregorian, false, -1, kBlack, -1, false, true, false});
}

void drawHijriCompanionOfJalali(Surface& surface, const MonthView& view) {
    drawCompanion(surface, view, {kJalaliMode, Calendar::hijri, true, 0, kMaroon, 0, false, true, true});
}

void drawJalaliCompanionOfGregorian(Surface& surface, const MonthView& view) {
    drawCompanion(surface, view, {kMiladiMode, Calendar::jalali, false, 0, kBlack, -1, false, false, false});
}

void drawHijriCompanionOfGregorian(Surface& surface, const MonthView& view) {
    drawCompanion(surface, view, {kMiladiMode, Calendar::hijri, true, 0, kBlack, 0, false, false, false});
}

void drawGregorianCompanionOfHijri(Surface& surface, const MonthView& view) {
    drawCompanion(surface, view, {kHijriMode, Calendar::gregorian, false, -1, kBlack, -1, false, false, false});
}

void drawJalaliCompanionOfHijri(Surface& surface, const MonthView& view) {
    drawCompanion(surface, view, {kHijriMode, Calendar::jalali, true, 0, kBlack, -2, true, false, false});
}

}  // namespace velmora
