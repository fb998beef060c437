#include "decisions/data_age.h"

#include "calendar/date_text.h"
#include "calendar/hijri.h"
#include "decisions/lunar_months.h"

namespace velmora {

DataAge dataAge(const CalendarData& data, const CivilDate& today) {
    DataAge age;
    const DayNumber day = gregorianToDayNumber(today.year, today.month, today.day);
    if (const auto first = data.lunarSource.firstPredicted; first && hasLunarTable(data.bounds())) {
        const LunarMonth month = lunarMonthOfIndex(*first);
        age.lunarAhead = yearInLunarTable(data.hijri(), month.year) &&
                         day >= hijriToDayNumber(data.hijri(), month.year, month.month, 1);
        if (age.lunarAhead) age.key = fromUtf8(std::to_string(month.year) + "/" + std::to_string(month.month));
    }
    const std::int32_t eventsYear = data.lunarSource.eventsYear;
    age.eventsBehind = eventsYear > 0 && dayNumberToJalali(day).year > eventsYear;
    if (age.eventsBehind) age.key += (age.key.empty() ? u"" : u" ") + fromUtf8(std::to_string(eventsYear));
    return age;
}

std::u16string outOfDateWords(const DataAge& age, const CalendarData& data, Language language,
                              const OutOfDatePatterns& patterns) {
    if (!age.outOfDate()) return {};
    std::u16string words;
    if (age.lunarAhead) {
        const LunarMonth month = lunarMonthOfIndex(*data.lunarSource.firstPredicted);
        words = withInsert(std::u16string(patterns.lunar), lunarMonthTitle(month.year, month.month, language));
    }
    if (age.eventsBehind) {
        if (!words.empty()) words += u' ';
        words += withInsert(std::u16string(patterns.events), numberText(data.lunarSource.eventsYear, language));
    }
    return words + u' ' + std::u16string(patterns.how);
}

std::u16string editionWords(const CalendarData& data, Language language, std::u16string_view pattern) {
    const std::u16string made = tableMadeWords(data, language);
    if (data.lunarSource.edition <= 0 || made.empty()) return {};
    const std::u16string number = numberText(static_cast<std::int32_t>(data.lunarSource.edition), language);
    return withInsert(withInsert(std::u16string(pattern), number), made);
}

}  // namespace velmora
