#include "decisions/day_reading.h"

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "decisions/lunar_months.h"
#include "render/holiday_panel.h"

namespace velmora {
std::u16string dayReading(const MonthLayout& layout, const LaidOutDay& day, Language language) {
    const bool persian = language == Language::persian;
    const std::u16string separator = persian ? u"\u060C " : u", ";
    std::u16string text = weekdayWord(day.dayNumber, language);
    const CalendarRecord& shown = calendarRecord(layout.mode);
    bool first = true;
    for (const Calendar calendar : {layout.mode, shown.companions[0].calendar, shown.companions[1].calendar}) {
        const auto date = dateOfDay(calendar, day);
        if (!date) continue;
        text += first ? u" " : separator;
        first = false;
        text += dateText(calendar, *date, language);
        if (calendarRecord(calendar).fromTable && day.lunarPredicted)
            text += persian ? u" (پیش‌بینی)" : u" (predicted)";
    }
    if (day.day == layout.today) text += separator + (persian ? u"امروز" : u"today");
    if (day.occasions.holiday) text += separator + (persian ? u"تعطیل" : u"holiday");
    if (const std::u16string occasions = dayOccasionsText(day.occasions); !occasions.empty())
        text += separator + occasions;
    for (const PersonalDay& mine : day.occasions.personal) text += separator + u"\u2605 " + mine.text;
    return text;
}

std::vector<std::u16string> holidayLines(const MonthLayout& layout, Language language) {
    std::vector<std::u16string> lines;
    for (const PanelHoliday& holiday : collectMonthHolidays(layout)) {
        const auto date = dateOfDay(layout.mode, *holiday.day);
        if (!date) continue;
        lines.push_back(dateText(layout.mode, *date, language) + u": " + std::u16string(holiday.words));
    }
    return lines;
}

ListedMonth listedMonth(const CalendarData& data, DayNumber shownDay, const CivilDate& today, Language language,
                        std::u16string_view titlePattern) {
    const CivilDate month = dayNumberToJalali(shownDay);
    ListedMonth listed{layOutMonth(data, Calendar::jalali, month.year, month.month, today), {}, {}, language};
    listed.title = withInsert(std::u16string(titlePattern),
                              dateText(Calendar::jalali, {month.year, month.month, 1}, language, DateForm::monthOf));
    for (const LaidOutDay& day : listed.layout.days)
        listed.readings.push_back(dayReading(listed.layout, day, language));
    return listed;
}

}  // namespace velmora
