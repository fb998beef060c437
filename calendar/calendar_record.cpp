#include "calendar/calendar_record.h"

#include "resources/resource_ids.h"

namespace velmora {
namespace {

CivilDate solarFromDayNumber(const HijriCalendar&, DayNumber n) { return dayNumberToJalali(n); }
DayNumber solarToDayNumber(const HijriCalendar&, std::int32_t y, std::int32_t m, std::int32_t d) {
    return jalaliToDayNumber(y, m, d);
}
std::int32_t solarMonthLength(const HijriCalendar&, std::int32_t y, std::int32_t m) { return jalaliMonthLength(y, m); }

CivilDate gregorianFromDayNumber(const HijriCalendar&, DayNumber n) { return dayNumberToGregorian(n); }
DayNumber gregorianToDay(const HijriCalendar&, std::int32_t y, std::int32_t m, std::int32_t d) {
    return gregorianToDayNumber(y, m, d);
}
std::int32_t gregorianLength(const HijriCalendar&, std::int32_t y, std::int32_t m) {
    return gregorianMonthLength(y, m);
}

// Outside the table a lunar year is laid out by the tabular cycle, so that navigation still
// lands somewhere; no such date is ever shown as a lunar date.
DayNumber lunarToDayNumber(const HijriCalendar& hijri, std::int32_t y, std::int32_t m, std::int32_t d) {
    return yearInLunarTable(hijri, y) ? hijriToDayNumber(hijri, y, m, d) : tabularHijriToDayNumber(y, m, d);
}
std::int32_t lunarMonthLength(const HijriCalendar& hijri, std::int32_t y, std::int32_t m) {
    if (m < 1 || m > 12) return 0;
    return hijri.table.readHijriMonthLengths(y)[static_cast<std::size_t>(m)];
}

// In the order of Calendar.
constexpr CalendarRecord kRecords[] = {
    {.calendar = Calendar::jalali,
     .name = "Solar Hijri",
     .cliName = "jalali",
     .zeroDigit = u'\u06F0',
     .rightToLeft = true,
     .latinScript = false,
     .fromTable = false,
     .gridMarksHolidays = true,
     .stepsToFirstDay = true,
     .showsOccasionsButton = true,
     .longestMonth = {0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 30},
     .shortestMonth = {0, 31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29},
     .months = &kMonthNames[0],
     // Jalali mode: Gregorian, then lunar Hijri.
     .companions = {{{.calendar = Calendar::gregorian, .delta = -1, .drawsFridaysTwice = true},
                     {.calendar = Calendar::hijri, .delta = 0, .marksSecondName = true, .drawsFridaysTwice = true}}},
     .strip = WeekdayStrip::pictures,
     .modeMenuItem = IDM_OPTION_JALALI_MODE,
     .monthBoxId = IDC_JALALI_MONTH_COMBO,
     .nameString = IDS_CALENDAR_JALALI,
     .fromDayNumber = solarFromDayNumber,
     .toDayNumber = solarToDayNumber,
     .lengthOfMonth = solarMonthLength},
    {.calendar = Calendar::gregorian,
     .name = "Gregorian",
     .cliName = "gregorian",
     .zeroDigit = u'0',
     .rightToLeft = false,
     .latinScript = true,
     .fromTable = false,
     .gridMarksHolidays = false,
     .longestMonth = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
     .shortestMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
     .months = &kMonthNames[1],
     // Miladi mode: Solar Hijri, then lunar Hijri.
     .companions = {{{.calendar = Calendar::jalali, .delta = 0}, {.calendar = Calendar::hijri, .delta = 0}}},
     .strip = WeekdayStrip::persianNames,
     .modeMenuItem = IDM_OPTION_MILADI_MODE,
     .monthBoxId = IDC_GREGORIAN_MONTH_COMBO,
     .nameString = IDS_CALENDAR_GREGORIAN,
     .fromDayNumber = gregorianFromDayNumber,
     .toDayNumber = gregorianToDay,
     .lengthOfMonth = gregorianLength},
    {.calendar = Calendar::hijri,
     .name = "lunar Hijri",
     .cliName = "hijri",
     .zeroDigit = u'\u0660',
     .rightToLeft = true,
     .latinScript = false,
     .fromTable = true,
     .gridMarksHolidays = false,
     .longestMonth = {0, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
     .shortestMonth = {0, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29, 29},
     .months = &kMonthNames[2],
     // Hijri mode: Gregorian, then Solar Hijri.
     .companions = {{{.calendar = Calendar::gregorian, .delta = -1},
                     {.calendar = Calendar::jalali, .delta = 0, .measuresAfterFont = true}}},
     .strip = WeekdayStrip::arabicNames,
     .modeMenuItem = IDM_OPTION_HIJRI_MODE,
     .monthBoxId = IDC_HIJRI_MONTH_COMBO,
     .nameString = IDS_CALENDAR_HIJRI,
     .fromDayNumber = dayNumberToHijri,
     .toDayNumber = lunarToDayNumber,
     .lengthOfMonth = lunarMonthLength},
};
static_assert(std::size(kRecords) == kCalendars.size());

}  // namespace

const CalendarRecord& calendarRecord(Calendar calendar) { return kRecords[calendarIndex(calendar)]; }

CivilDate dayNumberToDate(Calendar calendar, const HijriCalendar& hijri, DayNumber n) {
    return calendarRecord(calendar).fromDayNumber(hijri, n);
}

DayNumber dateToDayNumber(Calendar calendar, const HijriCalendar& hijri, std::int32_t y, std::int32_t m,
                          std::int32_t d) {
    return calendarRecord(calendar).toDayNumber(hijri, y, m, d);
}

std::int32_t monthLength(Calendar calendar, const HijriCalendar& hijri, std::int32_t y, std::int32_t m) {
    return calendarRecord(calendar).lengthOfMonth(hijri, y, m);
}

}  // namespace velmora
