// The data files as the window watches them: calendar.ini, events.ini and my-days.ini, looked
// at again before every use, their writes, and what the user was told of a damaged one.
// Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/catalogue.h"
#include "data/replace_file.h"
#include "occasions/calendar_files.h"

namespace velmora {

class DataWatch {
  public:
    // What the watch tells the window it reports to: a file found newly damaged, once (posted,
    // wParam 0 for calendar.ini, 1 for events.ini and 2 for my-days.ini); and that the program
    // itself wrote a file (sent, so that whatever shows the data shows the new at once).
    static constexpr UINT kProblemMessage = WM_APP + 1;
    static constexpr UINT kWrittenMessage = WM_APP + 2;

    explicit DataWatch(const std::filesystem::path& folder) : folder_(folder), files_(folder) {}
    void reportTo(HWND window) { window_ = window; }

    // Looks at the files again; true, once, when what they hold changed.
    bool look();
    const CalendarData& data() const { return files_.data(); }
    const CalendarFiles& files() const { return files_; }
    // The folder calendar.ini and events.ini are read from, and a move to another (an update
    // written to the profile because the program's folder could not be written): read there
    // at the next look.
    const std::filesystem::path& folder() const { return folder_; }
    void readFrom(const std::filesystem::path& folder);
    // The first error of a file, as check says it (in English); empty while it is sound.
    const std::string& problem(WPARAM which) const { return told_[std::min<WPARAM>(which, 2)]; }
    // The warning box of a kProblemMessage, over owner: a tray program has no better moment.
    void warn(WPARAM which, const Catalogue& words, HWND owner) const;

    // Rewrites calendar.ini through edit (checked, atomic, with a backup); the problem, or
    // empty.
    std::string editCalendar(const std::function<EditedText(std::string_view)>& edit);
    // Makes a change of My Days in my-days.ini as the file is now (another program may have
    // written it meanwhile), where it is read from (beside the program when there is none
    // yet); the problem, or empty.
    std::string saveMyDays(const MyDayEdit& change);

  private:
    std::filesystem::path folder_;
    CalendarFiles files_;
    HWND window_ = nullptr;
    std::string told_[3];  // what the user was last told of each file
};

}  // namespace velmora
