#include "decisions/lunar_months.h"

#include <algorithm>

#include "calendar/hijri_correction.h"
#include "calendar/month_names.h"
#include "calendar/native_digits.h"
#include "calendar/weekday_names.h"
#include "data/integer_text.h"
#include "data/text_codec.h"

namespace velmora {
namespace {

std::u16string number(std::int32_t n, Language language) {
    return std::u16string((language == Language::persian ? formatPersianDigits(n) : formatAsciiDigits(n)).view());
}

std::u16string nameOf(Calendar calendar, std::int32_t month, Language language) {
    const MonthName& name = monthName(calendar, month);
    return language == Language::persian ? std::u16string(name.header) : fromUtf8(name.latin);
}

}  // namespace

std::u16string lunarMonthTitle(std::int32_t year, std::int32_t month, Language language) {
    return nameOf(Calendar::hijri, month, language) + u" " + number(year, language);
}

std::u16string dateWords(Calendar calendar, const CivilDate& date, Language language) {
    return number(date.day, language) + u" " + nameOf(calendar, date.month, language) + u" " +
           number(date.year, language);
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
        return dateWords(Calendar::jalali, dayNumberToJalali(gregorianToDayNumber(date.year, date.month, date.day)),
                         language);
    return dateWords(Calendar::gregorian, date, language);
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
    return lunarMonthTitle(row.year, row.month, language) + u"\t" +
           dateWords(Calendar::jalali, dayNumberToJalali(row.first), language) + u"\t" +
           dateWords(Calendar::gregorian, dayNumberToGregorian(row.first), language) + u"\t" +
           std::u16string(sourceName);
}

std::vector<LunarStartOption> lunarStartOptions(const CalendarData& data, const LunarMonthRow& row, Language language) {
    std::vector<LunarStartOption> options;
    for (const LunarStartChoice& choice : lunarStartChoices(data.hijri(), row.year, row.month)) {
        const WeekdayNames& weekday = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(choice.day))];
        const std::u16string gregorian = dateWords(Calendar::gregorian, dayNumberToGregorian(choice.day), language);
        const std::u16string jalali = dateWords(Calendar::jalali, dayNumberToJalali(choice.day), language);
        std::u16string text = language == Language::persian
                                  ? std::u16string(weekday.persian) + u" " + jalali + u" (" + gregorian + u")"
                                  : fromUtf8(weekday.english) + u" " + gregorian + u" (" + jalali + u")";
        options.push_back({choice.day, choice.possible, std::move(text)});
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

}  // namespace velmora
