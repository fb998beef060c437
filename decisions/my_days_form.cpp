#include "decisions/my_days_form.h"

#include <algorithm>
#include <tuple>

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "data/integer_text.h"
#include "data/text_codec.h"
#include "decisions/reading_order.h"
#include "render/month_grid.h"

namespace velmora {

std::u16string myDayRowText(const MyDay& day, Language language, std::u16string_view calendarName,
                            std::u16string_view dayOffWord) {
    return inReadingOrder(std::u16string(calendarName) + u"\t" + myDayDate(day, language) + u"\t" + day.text + u"\t" +
                              (day.dayOff ? std::u16string(dayOffWord) : std::u16string()),
                          language);
}

std::u16string myDayDate(const MyDay& day, Language language) {
    return numberText(day.day, language) + u" " + monthWord(day.calendar, day.month, language);
}

MyDayForm readMyDayForm(std::int32_t calendar, std::int32_t month, std::u16string_view dayText,
                        std::u16string_view text, bool dayOff) {
    MyDayForm form;
    form.day.calendar = kCalendars[static_cast<std::size_t>(std::clamp(calendar, 0, 2))];
    form.day.month = std::clamp(month, 1, 12);
    form.day.dayOff = dayOff;
    // The text as one line without the blanks around it.
    std::u16string words(text);
    for (char16_t& c : words)
        if (c < u' ') c = u' ';
    const std::size_t first = words.find_first_not_of(u' ');
    form.day.text = first == std::u16string::npos ? std::u16string()
                                                  : words.substr(first, words.find_last_not_of(u' ') - first + 1);
    const IntegerScan day = scanInteger(dayText, DigitScripts::any);
    const bool whole = day.digits > 0 && !day.negative && !day.explicitPlus && day.end == dayText.size();
    form.day.day = whole ? static_cast<std::int32_t>(std::min<std::int64_t>(day.magnitude, 99)) : 0;
    if (form.day.day < 1 || form.day.day > monthSpan(form.day.calendar, form.day.month).longest)
        form.problem = MyDayProblem::noSuchDay;
    else if (form.day.text.empty())
        form.problem = MyDayProblem::noText;
    return form;
}

std::vector<MyDay> inDateOrder(std::vector<MyDay> days) {
    std::stable_sort(days.begin(), days.end(), [](const MyDay& a, const MyDay& b) {
        return std::tuple(calendarIndex(a.calendar), a.month, a.day, a.text) <
               std::tuple(calendarIndex(b.calendar), b.month, b.day, b.text);
    });
    return days;
}

std::optional<std::size_t> firstMyDayOn(const std::vector<MyDay>& days, const HijriCalendar& hijri, DayNumber n) {
    for (std::size_t i = 0; i < days.size(); ++i)
        if (myDayFallsOn(days[i], hijri, n)) return i;
    return std::nullopt;
}

bool takenInDayBox(char16_t c) { return c < u' ' || decimalDigitValue(c) >= 0; }

bool comesEveryYear(const MyDay& day) { return day.day <= monthSpan(day.calendar, day.month).shortest; }

std::optional<DayNumber> dayAtPoint(const MonthLayout& layout, std::int32_t clientWidth, std::int32_t clientHeight,
                                    std::int32_t x, std::int32_t y) {
    for (const LaidOutDay& day : layout.days) {
        const Rect box = gridCell(clientWidth, clientHeight, day.cell.row, day.cell.screenColumn).box;
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return day.dayNumber;
    }
    return std::nullopt;
}

std::vector<DueReminder> dueReminders(const CalendarData& data, const LocalTime& now, bool eveningBefore,
                                      const std::vector<std::u16string>& told) {
    std::vector<DueReminder> due;
    const DayNumber today = gregorianToDayNumber(now.date.year, now.date.month, now.date.day);
    const auto add = [&](DayNumber n, bool tomorrow) {
        const std::u16string stamp =
            dateText(Calendar::gregorian, dayNumberToGregorian(n), Language::english, DateForm::iso) + u" ";
        for (PersonalDay& mine : personalDaysOf(data, n)) {
            DueReminder reminder{stamp + mine.text + (tomorrow ? u" (eve)" : u""), std::move(mine), tomorrow};
            if (std::find(told.begin(), told.end(), reminder.key) == told.end()) due.push_back(std::move(reminder));
        }
    };
    add(today, false);
    if (eveningBefore && now.hour >= 18) add(today + 1, true);
    return due;
}

std::optional<ReminderBalloon> reminderBalloon(const CalendarData& data, const LocalTime& now, bool eveningBefore,
                                               std::u16string_view kept, std::u16string_view tomorrowWord) {
    std::vector<std::u16string> told;
    for (std::size_t start = 0; start < kept.size();) {
        const std::size_t end = std::min(kept.find(u'\n', start), kept.size());
        if (end > start) told.emplace_back(kept.substr(start, end - start));
        start = end + 1;
    }
    const std::vector<DueReminder> due = dueReminders(data, now, eveningBefore, told);
    if (due.empty()) return std::nullopt;
    ReminderBalloon balloon;
    balloon.today = !due.front().tomorrow;
    for (const DueReminder& reminder : due) {
        if (!balloon.text.empty()) balloon.text += u"\n";
        if (balloon.today && reminder.tomorrow) balloon.text += std::u16string(tomorrowWord) + u": ";
        balloon.text += reminder.day.text;
    }
    // Only the reminders of today and later are worth keeping; today is the clock's, whichever
    // day the first due reminder is of (tomorrow's, in the evening, when today's were told).
    const std::u16string today = dateText(Calendar::gregorian, now.date, Language::english, DateForm::iso);
    for (const std::u16string& key : told)
        if (key.compare(0, 10, today) >= 0) balloon.keptAfter += key + u"\n";
    for (const DueReminder& reminder : due) balloon.keptAfter += reminder.key + u"\n";
    return balloon;
}

}  // namespace velmora
