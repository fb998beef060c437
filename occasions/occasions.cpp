#include "occasions/occasions.h"

#include "calendar/native_digits.h"
#include "data/integer_text.h"

namespace velmora {

std::u16string occasionSectionName(Calendar calendar, std::int32_t month, std::int32_t safarLength) {
    std::u16string name = decimalName(calendarDigit(calendar)) + decimalName(month);
    if (calendar == Calendar::hijri && month == 2) {
        if (safarLength == 29) name += u'a';
        if (safarLength == 30) name += u'b';
    }
    return name;
}

std::int32_t holidayFlag(std::u16string_view text) {
    if (text.empty()) return 0;
    const std::int32_t value = decimalDigitValue(text.back());
    return value < 0 ? 0 : value;
}

std::u16string_view occasionWords(std::u16string_view text) {
    return text.size() < 2 ? std::u16string_view() : text.substr(0, text.size() - 2);
}

Occasion Occasions::read(std::u16string_view section, std::int32_t day) const {
    Occasion occasion;
    occasion.text = readProfileString(*ini_, section, decimalName(day), u"", kOccasionBufferSize);
    occasion.flag = holidayFlag(occasion.text);
    return occasion;
}

CalendarData CalendarData::fromText(std::string_view calendarIni, std::string_view eventsIni) {
    return CalendarData(IniFile::parse(calendarIni), std::make_shared<const IniFile>(IniFile::parse(eventsIni)));
}

namespace {

// The user's own days on a date given in the three calendars, each written once.
std::vector<PersonalDay> personalDaysOn(const CalendarData& data, const CivilDate& jalali, const CivilDate& gregorian,
                                        const std::optional<CivilDate>& lunar) {
    std::vector<PersonalDay> days;
    for (const MyDay& mine : data.myDays) {
        const std::optional<CivilDate> date = mine.calendar == Calendar::jalali      ? std::optional(jalali)
                                              : mine.calendar == Calendar::gregorian ? std::optional(gregorian)
                                                                                     : lunar;
        if (myDayFallsOnDate(mine, data.hijri(), date)) days.push_back({mine.text, mine.dayOff});
    }
    return days;
}

}  // namespace

std::vector<PersonalDay> personalDaysOf(const CalendarData& data, DayNumber n) {
    if (data.myDays.empty()) return {};
    return personalDaysOn(data, dayNumberToJalali(n), dayNumberToGregorian(n), lunarDate(data.hijri(), n));
}

DayOccasions occasionsOfDay(const CalendarData& data, DayNumber n) {
    DayOccasions day;
    const CivilDate jalali = dayNumberToJalali(n);
    const CivilDate gregorian = dayNumberToGregorian(n);
    day.solar = data.events.read(occasionSectionName(Calendar::jalali, jalali.month), jalali.day);
    day.gregorian = data.events.read(occasionSectionName(Calendar::gregorian, gregorian.month), gregorian.day);
    const std::optional<CivilDate> lunar = lunarDate(data.hijri(), n);
    if (lunar && lunar->year > 0) {
        const std::int32_t safarLength = data.lunar.readHijriMonthLengths(lunar->year)[2];
        day.lunar = data.events.read(occasionSectionName(Calendar::hijri, lunar->month, safarLength), lunar->day);
    }
    day.holiday = day.solar.flag == 1 || day.lunar.flag == 1;
    if (!data.myDays.empty()) day.personal = personalDaysOn(data, jalali, gregorian, lunar);
    return day;
}

namespace {

void join(std::u16string& text, std::u16string_view part) {
    if (part.empty()) return;
    if (!text.empty()) text += u" - ";
    text += part;
}

}  // namespace

std::u16string dayOccasionsText(const DayOccasions& day) {
    std::u16string text;
    join(text, day.solar.words());
    join(text, day.lunar.words());
    join(text, day.gregorian.words());
    return text;
}

std::u16string holidayReason(const DayOccasions& day) {
    std::u16string text;
    if (day.solar.flag == 1) join(text, day.solar.words());
    if (day.lunar.flag == 1) join(text, day.lunar.words());
    return text;
}

bool isHoliday(const CalendarData& data, std::int32_t jy, std::int32_t jm, std::int32_t jd) {
    return occasionsOfDay(data, jalaliToDayNumber(jy, jm, jd)).holiday;
}

}  // namespace velmora
