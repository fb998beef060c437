#include "occasions/occasions.h"

#include "calendar/native_digits.h"

namespace velmora {

std::u16string occasionSectionName(std::int32_t calendarDigit, std::int32_t month,
                                   std::int32_t safarLength) {
    std::u16string name = decimalName(calendarDigit) + decimalName(month);
    if (calendarDigit == 2 && month == 2) {
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

OccasionsFile::OccasionsFile(std::filesystem::path path) : source_(std::move(path)) {
    source_.refresh();
}

Occasion OccasionsFile::read(std::u16string_view section, std::int32_t day) const {
    Occasion occasion;
    occasion.text = readProfileString(source_.file(), section, decimalName(day), u"", kOccasionBufferSize);
    occasion.flag = holidayFlag(occasion.text);
    return occasion;
}

CalendarFiles::CalendarFiles(const std::filesystem::path& folder)
    : lunar(folder / "calendar.ini"), bounds(lunar.readCalendarBounds()), events(folder / "events.ini") {}

Occasion readLunarOccasion(const CalendarFiles& files, DayNumber n) {
    if (n < files.bounds.minJulianday || n > files.bounds.maxJulianday) return {};
    const CivilDate date = dayNumberToHijri(files.hijri(), n);
    if (date.year <= 0) return {};
    const std::int32_t safarLength = files.lunar.readHijriMonthLengths(date.year)[2];
    return files.events.read(occasionSectionName(2, date.month, safarLength), date.day);
}

std::int32_t isHoliday(const CalendarFiles& files, std::int32_t jy, std::int32_t jm, std::int32_t jd) {
    const Occasion lunar = readLunarOccasion(files, jalaliToDayNumber(jy, jm, jd));
    const Occasion solar = files.events.read(occasionSectionName(0, jm), jd);
    return solar.flag == 1 || lunar.flag == 1 ? 1 : 0;
}

}  // namespace velmora
