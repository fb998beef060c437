#include "occasions/calendar_files.h"

#include "data/executable_folder.h"

namespace velmora {

std::filesystem::path myDaysPath(const std::filesystem::path& programFolder) {
    std::error_code error;
    const std::filesystem::path portable = programFolder / "my-days.ini";
    if (std::filesystem::is_regular_file(portable, error)) return portable;
    const std::filesystem::path profile = userDataFolder();
    return profile.empty() ? profile : profile / "my-days.ini";
}

CalendarFiles::CalendarFiles(const std::filesystem::path& folder)
    : calendarSource_(folder / "calendar.ini"),
      eventsSource_(folder / "events.ini"),
      myDaysSource_(myDaysPath(folder)) {
    calendarSource_.refresh();
    eventsSource_.refresh();
    myDaysSource_.refresh();
    takeCalendar();
    takeEvents();
    takeMyDays();
}

void CalendarFiles::takeMyDays() {
    myDaysErrors_.clear();
    data_.myDays = readMyDays(myDaysSource_.file(), &myDaysErrors_);
}

void CalendarFiles::takeEvents() {
    data_.events = Occasions(eventsSource_.shared());
    eventsErrors_.clear();
    if (!eventsSource_.exists()) return;
    for (const FileProblem& problem : checkOccasions(eventsSource_.file(), nullptr)) {
        if (problem.severity == FileProblem::Severity::error) eventsErrors_.push_back(problem);
    }
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
    data_.lunarSource = calendarErrors_.empty() ? readLunarTableSource(calendarSource_.file()) : LunarTableSource();
}

bool CalendarFiles::refresh() {
    const bool calendarChanged = calendarSource_.refresh();
    const bool eventsChanged = eventsSource_.refresh();
    const bool myDaysChanged = myDaysSource_.refresh();
    if (calendarChanged) takeCalendar();
    if (eventsChanged) takeEvents();
    if (myDaysChanged) takeMyDays();
    return calendarChanged || eventsChanged || myDaysChanged;
}

}  // namespace velmora
