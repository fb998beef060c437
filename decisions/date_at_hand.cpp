#include "decisions/date_at_hand.h"

#include <algorithm>

#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "data/integer_text.h"
#include "data/text_codec.h"

namespace velmora {
namespace {

bool isPersian(Language language) { return language == Language::persian; }

// "4 days", "1 day", "۴ روز": a count and its unit (0 years, 1 month, 2 days).
std::u16string counted(std::int64_t count, int unit, Language language) {
    static constexpr std::string_view kEnglish[][2] = {{"year", "years"}, {"month", "months"}, {"day", "days"}};
    static constexpr std::u16string_view kPersian[] = {u"سال", u"ماه", u"روز"};
    const std::u16string number = numberText(count, language);
    if (isPersian(language)) return number + u" " + std::u16string(kPersian[unit]);
    return number + u" " + fromUtf8(kEnglish[unit][count == 1 ? 0 : 1]);
}

// Letters other than digits, signs and separators: a month's name.
bool holdsWords(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) {
        const bool digit =
            (c >= u'0' && c <= u'9') || (c >= u'\u06F0' && c <= u'\u06F9') || (c >= u'\u0660' && c <= u'\u0669');
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'\u0621' && c <= u'\u06D3' && !digit);
    });
}

// The year a calendar's dates can take before their day numbers are reckoned: beyond these
// the arithmetic would leave the day number's range.
bool plausibleYear(std::int32_t year) { return year > -6000 && year < 6000; }

std::u16string spanOfDays(Calendar calendar, const CalendarData& data, Language language) {
    DayNumber first = kFirstShownDay, last = kLastShownDay;
    if (calendar == Calendar::hijri) {
        first = firstDayOfLunarTable(data.bounds());
        last = data.bounds().maxJulianday;
    }
    const auto end = [&](DayNumber n) {
        return dateText(calendar, dayNumberToDate(calendar, data.hijri(), n), language, DateForm::words);
    };
    return isPersian(language)
               ? u"روزهایی که Velmora می‌شناسد از " + end(first) + u" تا " + end(last) + u" است."
               : u"Velmora knows the days from " + end(first) + u" to " + end(last) + u".";
}

std::u16string sourceWord(MonthSource source, Language language) {
    static constexpr std::u16string_view kPersian[] = {u"رسمی", u"منتشرشده", u"پیش‌بینی",
                                                       u"اصلاح‌شده"};
    if (isPersian(language)) return std::u16string(kPersian[static_cast<std::size_t>(source)]);
    return fromUtf8(monthSourceName(source));
}

}  // namespace

std::u16string calendarWord(Calendar calendar, Language language) {
    static constexpr std::u16string_view kWords[][2] = {
        {u"Solar Hijri", u"خورشیدی"}, {u"Gregorian", u"میلادی"}, {u"Lunar Hijri", u"قمری"}};
    return std::u16string(kWords[calendarIndex(calendar)][isPersian(language) ? 1 : 0]);
}

std::optional<TypedDate> readTypedDate(std::u16string_view text, Calendar chosen) {
    if (const auto date = readDate(chosen, text)) {
        if (chosen != Calendar::gregorian && date->year >= 1800 && !holdsWords(text))
            return TypedDate{Calendar::gregorian, *date};
        return TypedDate{chosen, *date};
    }
    for (const Calendar other : kCalendars) {
        if (other == chosen) continue;
        if (const auto date = readDate(other, text)) return TypedDate{other, *date};
    }
    return std::nullopt;
}

CheckedDate checkTypedDate(const CalendarData& data, const TypedDate& typed, Language language) {
    const bool persian = isPersian(language);
    const CivilDate& date = typed.date;
    if (date.month < 1 || date.month > 12)
        return {std::nullopt, persian ? u"ماه " + numberText(date.month, language) + u" در سال نیست."
                                      : u"A year has no month " + numberText(date.month, language) + u"."};
    const bool lunar = calendarRecord(typed.calendar).fromTable;
    if (lunar && !hasLunarTable(data.bounds()))
        return {std::nullopt, persian ? u"calendar.ini جدول ماه‌های قمری ندارد."
                                      : u"calendar.ini holds no lunar table."};
    const bool inSpan = plausibleYear(date.year) && (!lunar || yearInLunarTable(data.hijri(), date.year));
    if (inSpan) {
        const std::int32_t length = monthLength(typed.calendar, data.hijri(), date.year, date.month);
        if (date.day < 1 || date.day > length) {
            const std::u16string month = dateText(typed.calendar, date, language, DateForm::monthOf);
            return {std::nullopt, persian ? month + u" " + numberText(length, language) + u" روز دارد."
                                          : month + u" has " + numberText(length, language) + u" days."};
        }
        const DayNumber n = dateToDayNumber(typed.calendar, data.hijri(), date.year, date.month, date.day);
        const bool shown = lunar ? lunarDate(data.hijri(), n) == date
                                 : n >= kFirstShownDay && n <= kLastShownDay &&
                                       dayNumberToDate(typed.calendar, data.hijri(), n) == date;
        if (shown) return {n, {}};
    }
    return {std::nullopt, spanOfDays(typed.calendar, data, language)};
}

std::u16string spanWords(const DateSpan& span, Language language) {
    std::vector<std::u16string> parts;
    if (span.years != 0) parts.push_back(counted(span.years, 0, language));
    if (span.months != 0) parts.push_back(counted(span.months, 1, language));
    if (span.days != 0 || parts.empty()) parts.push_back(counted(span.days, 2, language));
    std::u16string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (isPersian(language))
            text += u" و ";
        else
            text += i + 1 == parts.size() ? u" and " : u", ";
        text += parts[i];
    }
    return text;
}

std::u16string distanceWords(const CalendarData& data, Calendar calendar, DayNumber today, DayNumber day,
                             Language language) {
    const bool persian = isPersian(language);
    const std::int64_t days = std::int64_t{day} - today;
    if (days == 0) return persian ? u"امروز" : u"Today";
    if (days == 1) return persian ? u"فردا" : u"Tomorrow";
    if (days == -1) return persian ? u"دیروز" : u"Yesterday";
    const DateSpan span = spanBetween(calendar, data.hijri(), today, day);
    const std::u16string words = spanWords(span, language);
    const bool daysAlone = span.years == 0 && span.months == 0;
    const std::u16string all = daysAlone ? u"" : u" (" + counted(days < 0 ? -days : days, 2, language) + u")";
    if (persian) return words + (days > 0 ? u" دیگر" : u" پیش") + all;
    return days > 0 ? u"In " + words + all : words + u" ago" + all;
}

std::u16string conversionText(const CalendarData& data, Calendar given, DayNumber day, DayNumber today,
                              Language language) {
    const bool persian = isPersian(language);
    const std::u16string colon = u": ";
    std::u16string text = weekdayWord(day, language);
    for (const Calendar calendar : kCalendars) {
        text += u"\n" + calendarWord(calendar, language) + colon;
        if (!calendarRecord(calendar).fromTable) {
            text += dateText(calendar, dayNumberToDate(calendar, data.hijri(), day), language);
        } else if (const auto lunar = lunarDate(data.hijri(), day)) {
            text += dateText(calendar, *lunar, language) + (persian ? u"، " : u", ") +
                    sourceWord(data.lunarSource.source(lunar->year, lunar->month), language);
        } else {
            text += persian ? u"بیرون از جدول ماه‌های قمری" : u"outside the lunar table";
        }
    }
    // A holiday says so before its occasions, which name why.
    const DayOccasions occasions = occasionsOfDay(data, day);
    const std::u16string all = dayOccasionsText(occasions);
    if (occasions.holiday)
        text += u"\n" + std::u16string(persian ? u"تعطیل" : u"Holiday") + (all.empty() ? u"" : colon + all);
    else if (!all.empty())
        text += u"\n" + std::u16string(persian ? u"مناسبت‌ها" : u"Occasions") + colon + all;
    for (const PersonalDay& mine : occasions.personal) text += u"\n\u2605 " + mine.text;
    text += u"\n" + distanceWords(data, given, today, day, language);
    const std::u16string dayNumber = numberText(dayOfYear(given, data.hijri(), day), language);
    const std::u16string week = numberText(weekOfYear(given, data.hijri(), day), language);
    text +=
        persian ? u"\nروز " + dayNumber + u" سال، هفتهٔ " + week : u"\nDay " + dayNumber + u" of the year, week " + week;
    return text;
}

std::u16string betweenText(const CalendarData& data, Calendar countIn, DayNumber from, DayNumber to,
                           Language language) {
    if (from == to) return isPersian(language) ? u"همان روز" : u"The same day";
    const DateSpan span = spanBetween(countIn, data.hijri(), from, to);
    const std::int64_t days = std::int64_t{to} - from;
    const std::u16string count = counted(days < 0 ? -days : days, 2, language);
    if (isPersian(language))
        return count + (days < 0 ? u" پیش‌تر" : u" پس‌تر") + u"، یعنی " + spanWords(span, language) +
               u" به ماه‌های " + calendarWord(countIn, language);
    return count + (days < 0 ? u" earlier" : u" later") + u": " + spanWords(span, language) + u" in " +
           calendarWord(countIn, language) + u" months";
}

std::optional<DateStep> readDateStep(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    const IntegerScan scan = scanInteger(text, DigitScripts::any);
    if (scan.digits == 0 || scan.digits > 7) return std::nullopt;
    std::u16string unit(text.substr(scan.end));
    std::erase(unit, u' ');
    for (char16_t& c : unit)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    struct Unit {
        std::u16string_view word;
        DateStep::Unit unit;
        std::int32_t times;
    };
    static constexpr Unit kUnits[] = {
        {u"", DateStep::days, 1},         {u"d", DateStep::days, 1},       {u"day", DateStep::days, 1},
        {u"days", DateStep::days, 1},     {u"روز", DateStep::days, 1},     {u"w", DateStep::days, 7},
        {u"week", DateStep::days, 7},     {u"weeks", DateStep::days, 7},   {u"هفته", DateStep::days, 7},
        {u"m", DateStep::months, 1},      {u"month", DateStep::months, 1}, {u"months", DateStep::months, 1},
        {u"ماه", DateStep::months, 1},    {u"y", DateStep::months, 12},    {u"year", DateStep::months, 12},
        {u"years", DateStep::months, 12}, {u"سال", DateStep::months, 12},
    };
    for (const Unit& known : kUnits) {
        if (unit != known.word) continue;
        const std::int64_t count = scan.value() * known.times;
        const std::int64_t limit = known.unit == DateStep::days ? 1'000'000 : 100'000;
        if (count > limit || count < -limit) return std::nullopt;
        return DateStep{static_cast<std::int32_t>(count), known.unit};
    }
    return std::nullopt;
}

std::optional<DayNumber> stepDate(const CalendarData& data, Calendar calendar, DayNumber day, const DateStep& step) {
    std::int64_t n = std::int64_t{day} + step.count;
    if (step.unit == DateStep::months) {
        const CivilDate moved =
            addMonths(calendar, data.hijri(), dayNumberToDate(calendar, data.hijri(), day), step.count);
        if (!plausibleYear(moved.year)) return std::nullopt;
        n = dateToDayNumber(calendar, data.hijri(), moved.year, moved.month, moved.day);
    }
    const bool lunar = calendarRecord(calendar).fromTable;
    if (lunar ? !inLunarTable(data.bounds(), n) || n < firstDayOfLunarTable(data.bounds())
              : n < kFirstShownDay || n > kLastShownDay)
        return std::nullopt;
    return static_cast<DayNumber>(n);
}

std::u16string stepText(const CalendarData& data, Calendar calendar, DayNumber day, const DateStep& step,
                        Language language) {
    const auto words = [&](DayNumber n) {
        return dateText(calendar, dayNumberToDate(calendar, data.hijri(), n), language);
    };
    const std::int32_t size = step.count < 0 ? -step.count : step.count;
    const bool years = step.unit == DateStep::months && size % 12 == 0 && size != 0;
    const std::u16string amount = counted(years ? size / 12 : size,
                                          step.unit == DateStep::days ? 2
                                          : years                     ? 0
                                                                      : 1,
                                          language);
    std::u16string text = words(day) + (step.count < 0 ? u" − " : u" + ") + amount + u": ";
    if (const auto reached = stepDate(data, calendar, day, step))
        return text + weekdayWord(*reached, language) + u" " + words(*reached);
    return text + spanOfDays(calendar, data, language);
}

std::u16string_view copyFormName(CopyForm form) {
    static constexpr std::u16string_view kNames[] = {u"numeric", u"words", u"iso", u"gregorian", u"lunar", u"all"};
    return kNames[static_cast<std::size_t>(form)];
}

CopyForm copyFormNamed(std::u16string_view name) {
    for (const CopyForm form : kCopyForms)
        if (copyFormName(form) == name) return form;
    return kCopyForms.front();
}

std::u16string copyText(const CalendarData& data, DayNumber n, CopyForm form, Language language) {
    const CivilDate solar = dayNumberToJalali(n);
    const CivilDate gregorian = dayNumberToGregorian(n);
    const auto lunar = lunarDate(data.hijri(), n);
    switch (form) {
        case CopyForm::numericPersian:
            return dateText(Calendar::jalali, solar, Language::persian, DateForm::numeric, Digits::persian);
        case CopyForm::wordsPersian:
            return weekdayWord(n, Language::persian) + u" " + dateText(Calendar::jalali, solar, Language::persian);
        case CopyForm::iso: return dateText(Calendar::jalali, solar, language, DateForm::iso);
        case CopyForm::gregorian: return dateText(Calendar::gregorian, gregorian, language);
        case CopyForm::lunar: return lunar ? dateText(Calendar::hijri, *lunar, language) : u"";
        case CopyForm::allThree: break;
    }
    const std::u16string separator = isPersian(language) ? u"، " : u", ";
    std::u16string text = weekdayWord(n, language) + u" " + dateText(Calendar::jalali, solar, language) + separator +
                          dateText(Calendar::gregorian, gregorian, language);
    if (lunar) text += separator + dateText(Calendar::hijri, *lunar, language);
    return text;
}

}  // namespace velmora
