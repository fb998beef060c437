#include "decisions/lunar_months.h"

#include <algorithm>

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/hijri_correction.h"
#include "calendar/native_digits.h"
#include "data/integer_text.h"
#include "data/text_codec.h"
#include "decisions/reading_order.h"

namespace velmora {
std::u16string lunarMonthTitle(std::int32_t year, std::int32_t month, Language language) {
    return dateText(Calendar::hijri, {year, month, 1}, language, DateForm::monthOf);
}

std::u16string tableMadeWords(const CalendarData& data, Language language) {
    const std::string_view made = data.lunarSource.made;  // "2026-12-08"
    if (made.size() != 10) return {};
    const std::int64_t year = wholeInteger(made.substr(0, 4)).value_or(0);
    const std::int64_t month = wholeInteger(made.substr(5, 2)).value_or(0);
    const std::int64_t day = wholeInteger(made.substr(8, 2)).value_or(0);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return {};
    const CivilDate date{static_cast<std::int32_t>(year), static_cast<std::int32_t>(month),
                         static_cast<std::int32_t>(day)};
    if (language == Language::persian)
        return dateText(Calendar::jalali, dayNumberToJalali(gregorianToDayNumber(date.year, date.month, date.day)),
                        language);
    return dateText(Calendar::gregorian, date, language);
}

std::vector<LunarMonthRow> correctableLunarMonths(const CalendarData& data, const CivilDate& today) {
    std::vector<LunarMonthRow> rows;
    const HijriCalendar hijri = data.hijri();
    const LunarTableSource& source = data.lunarSource;
    if (!hasLunarTable(hijri.bounds) || !source.firstPredicted) return rows;
    // The last official month: the one before the published ones, else before the predicted.
    const std::int64_t firstUnofficial =
        source.firstPublished <= source.lastPublished ? source.firstPublished : *source.firstPredicted;
    std::int64_t last = firstUnofficial;
    if (const auto now = lunarDate(hijri, gregorianToDayNumber(today.year, today.month, today.day)))
        last = std::max(last, lunarMonthIndex(now->year, now->month) + 12);
    const std::int64_t tableEnd = lunarMonthIndex(dayNumberToHijri(hijri, hijri.bounds.maxJulianday).year, 12);
    last = std::min(last, tableEnd);
    for (std::int64_t m = firstUnofficial - 1; m <= last; ++m) {
        const LunarMonth month = lunarMonthOfIndex(m), before = lunarMonthOfIndex(m - 1);
        if (!yearInLunarTable(hijri, month.year)) continue;
        LunarMonthRow row{month.year, month.month, hijriToDayNumber(hijri, month.year, month.month, 1),
                          source.source(month.year, month.month), false};
        row.correctable = row.source != MonthSource::official && yearInLunarTable(hijri, before.year) &&
                          source.source(before.year, before.month) != MonthSource::official;
        rows.push_back(row);
    }
    return rows;
}

std::u16string lunarMonthRowText(const LunarMonthRow& row, Language language, std::u16string_view sourceName) {
    return inReadingOrder(lunarMonthTitle(row.year, row.month, language) + u"\t" +
                              dateText(Calendar::jalali, dayNumberToJalali(row.first), language) + u"\t" +
                              dateText(Calendar::gregorian, dayNumberToGregorian(row.first), language) + u"\t" +
                              std::u16string(sourceName),
                          language);
}

std::vector<LunarStartOption> lunarStartOptions(const CalendarData& data, const LunarMonthRow& row, Language language) {
    std::vector<LunarStartOption> options;
    for (const LunarStartChoice& choice : lunarStartChoices(data.hijri(), row.year, row.month)) {
        const std::u16string weekday = weekdayWord(choice.day, language);
        const std::u16string gregorian = dateText(Calendar::gregorian, dayNumberToGregorian(choice.day), language);
        const std::u16string jalali = dateText(Calendar::jalali, dayNumberToJalali(choice.day), language);
        std::u16string text = language == Language::persian ? weekday + u" " + jalali + u" (" + gregorian + u")"
                                                            : weekday + u" " + gregorian + u" (" + jalali + u")";
        options.push_back({choice.day, choice.possible, inReadingOrder(text, language)});
    }
    return options;
}

std::optional<PredictionNotice> predictionNoticeDue(const CalendarData& data, const CivilDate& today,
                                                    std::u16string_view toldFor) {
    const auto first = data.lunarSource.firstPredicted;
    if (!first || !hasLunarTable(data.bounds())) return std::nullopt;
    const LunarMonth month = lunarMonthOfIndex(*first);
    if (!yearInLunarTable(data.hijri(), month.year)) return std::nullopt;
    PredictionNotice notice{month.year, month.month, hijriToDayNumber(data.hijri(), month.year, month.month, 1),
                            fromUtf8(std::to_string(month.year) + "/" + std::to_string(month.month))};
    if (notice.key == toldFor || gregorianToDayNumber(today.year, today.month, today.day) < notice.first - 30)
        return std::nullopt;
    return notice;
}

std::u16string predictionNoticeMonth(const CalendarData& data, const PredictionNotice& notice, Language language) {
    const Calendar solar = language == Language::persian ? Calendar::jalali : Calendar::gregorian;
    return lunarMonthTitle(notice.year, notice.month, language) + u" (" +
           dateText(solar, dayNumberToDate(solar, data.hijri(), notice.first), language) + u")";
}

std::u16string aboutLunarNote(const CalendarData& data, Language language, std::u16string_view pattern) {
    if (!data.lunarSource.firstPredicted || !hasLunarTable(data.bounds())) return {};
    // The first month that is still a prediction: a corrected one is as announced.
    LunarMonth first = lunarMonthOfIndex(*data.lunarSource.firstPredicted);
    while (yearInLunarTable(data.hijri(), first.year) && !data.lunarSource.predicted(first.year, first.month))
        first = monthAfter(first.year, first.month);
    if (!yearInLunarTable(data.hijri(), first.year)) return {};
    const std::u16string note = withInsert(std::u16string(pattern), lunarMonthTitle(first.year, first.month, language));
    const std::u16string made = tableMadeWords(data, language);
    return made.empty() ? note.substr(0, note.find(u'.') + 1) : withInsert(note, made);
}

}  // namespace velmora
