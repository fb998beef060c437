// The data files as the program watches and checks them: calendar.ini and events.ini of its
// folder, and the user's own days of my-days.ini.
#pragma once

#include <filesystem>
#include <vector>

#include "calendar/hijri_check.h"
#include "data/file_problem.h"
#include "data/ini_source.h"
#include "occasions/occasions.h"
#include "occasions/occasions_check.h"

namespace velmora {

// The data files of a folder and the user's my-days.ini, looked at again when a paint asks (a
// file another program holds keeps what was read of it until it can be read). calendar.ini is checked
// whenever it is read, as `velmora-cli check` checks it: a table with errors is not used (as
// if there were none) and its errors are kept to tell the user; a sound table's bounds are
// taken anew, so that a corrected table is used whole.
class CalendarFiles {
  public:
    // The user's own days come from my-days.ini in the folder when there is one (a portable
    // copy), else from the profile's: %APPDATA%\Velmora\my-days.ini.
    explicit CalendarFiles(const std::filesystem::path& folder);

    // Takes up an edit of either file; true when one was read again.
    bool refresh();
    // The program itself rewrote calendar.ini: the next refresh reads it, whatever its time
    // and size say.
    void calendarWritten() { calendarSource_.forget(); }
    void eventsWritten() { eventsSource_.forget(); }
    void myDaysWritten() { myDaysSource_.forget(); }
    const CalendarData& data() const { return data_; }
    const IniSource& calendarSource() const { return calendarSource_; }
    const IniSource& eventsSource() const { return eventsSource_; }
    const IniSource& myDaysSource() const { return myDaysSource_; }
    // What in my-days.ini cannot be read (those lines are left out; the rest is used).
    const std::vector<FileProblem>& myDaysErrors() const { return myDaysErrors_; }
    // The errors of calendar.ini as last read; empty when it is sound or missing.
    const std::vector<FileProblem>& calendarErrors() const { return calendarErrors_; }
    // Everything its check found (a missing file checks as an empty one), and its summary.
    const std::vector<FileProblem>& calendarProblems() const { return calendarProblems_; }
    const HijriTableSummary& calendarSummary() const { return calendarSummary_; }
    // The errors of events.ini as last read; empty when it is sound or missing. The file is
    // used all the same: its sound lines still give their occasions.
    const std::vector<FileProblem>& eventsErrors() const { return eventsErrors_; }

  private:
    void takeCalendar();
    void takeEvents();
    void takeMyDays();

    IniSource calendarSource_;
    IniSource eventsSource_;
    IniSource myDaysSource_;
    CalendarData data_;
    std::vector<FileProblem> calendarErrors_;
    std::vector<FileProblem> calendarProblems_;
    HijriTableSummary calendarSummary_;
    std::vector<FileProblem> eventsErrors_;
    std::vector<FileProblem> myDaysErrors_;
};

// Where the user's own days are kept: beside the program when a my-days.ini is there, else in
// the profile (%APPDATA%\Velmora); empty when there is no profile folder.
std::filesystem::path myDaysPath(const std::filesystem::path& programFolder);

}  // namespace velmora
