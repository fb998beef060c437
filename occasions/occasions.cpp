#include "occasions/occasions.h"

#include "calendar/native_digits.h"

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

CalendarFiles::CalendarFiles(const std::filesystem::path& folder)
    : calendarSource_(folder / "calendar.ini"), eventsSource_(folder / "events.ini") {
    calendarSource_.refresh();
    eventsSource_.refresh();
    takeCalendar();
    data_.events = Occasions(eventsSource_.shared());
}

void CalendarFiles::takeCalendar() {
    // Checked once a reading; the window, the converter, check and lunar show all use this.
    calendarSummary_ = {};
    calendarProblems_ = checkHijriTable(calendarSource_.file(), &calendarSummary_);
    calendarErrors_.clear();
    if (calendarSource_.exists()) {
        for (const FileProblem& problem : calendarProblems_) {
            if (problem.severity == FileProblem::Severity::error) calendarErrors_.push_back(problem);
        }
    }
    data_.lunar = calendarErrors_.empty() ? LunarTable(calendarSource_.file()) : LunarTable();
    data_.bounds = data_.lunar.readCalendarBounds();
}

bool CalendarFiles::refresh() {
    const bool calendarChanged = calendarSource_.refresh();
    const bool eventsChanged = eventsSource_.refresh();
    if (calendarChanged) takeCalendar();
    if (eventsChanged) data_.events = Occasions(eventsSource_.shared());
    return calendarChanged || eventsChanged;
}

DayOccasions occasionsOfDay(const CalendarData& data, DayNumber n) {
    DayOccasions day;
    const CivilDate jalali = dayNumberToJalali(n);
    const CivilDate gregorian = dayNumberToGregorian(n);
    day.solar = data.events.read(occasionSectionName(Calendar::jalali, jalali.month), jalali.day);
    day.gregorian = data.events.read(occasionSectionName(Calendar::gregorian, gregorian.month), gregorian.day);
    if (inLunarTable(data.bounds, n)) {
        const CivilDate lunar = dayNumberToHijri(data.hijri(), n);
        if (lunar.year > 0) {
            const std::int32_t safarLength = data.lunar.readHijriMonthLengths(lunar.year)[2];
            day.lunar = data.events.read(occasionSectionName(Calendar::hijri, lunar.month, safarLength), lunar.day);
        }
    }
    day.holiday = day.solar.flag == 1 || day.lunar.flag == 1;
    return day;
}

std::int32_t isHoliday(const CalendarData& data, std::int32_t jy, std::int32_t jm, std::int32_t jd) {
    return occasionsOfDay(data, jalaliToDayNumber(jy, jm, jd)).holiday ? 1 : 0;
}

}  // namespace velmora
