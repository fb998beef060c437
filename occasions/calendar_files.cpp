#include "occasions/calendar_files.h"

namespace velmora {

CalendarFiles::CalendarFiles(const std::filesystem::path& folder)
    : calendarSource_(folder / "calendar.ini"), eventsSource_(folder / "events.ini") {
    calendarSource_.refresh();
    eventsSource_.refresh();
    takeCalendar();
    takeEvents();
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
    if (calendarChanged) takeCalendar();
    if (eventsChanged) takeEvents();
    return calendarChanged || eventsChanged;
}

}  // namespace velmora
