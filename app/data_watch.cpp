#include "app/data_watch.h"

#include <algorithm>

#include "data/executable_folder.h"
#include "decisions/problem_words.h"
#include "resources/resource_ids.h"

namespace velmora {

bool DataWatch::look() {
    const bool changed = files_.refresh();
    const auto firstError = [](const std::vector<FileProblem>& errors, const IniSource& source) {
        if (errors.empty()) return std::string();
        return describeProblem(source.path().filename().string(), errors.front());
    };
    const std::string problems[3] = {firstError(files_.calendarErrors(), files_.calendarSource()),
                                     firstError(files_.eventsErrors(), files_.eventsSource()),
                                     firstError(files_.myDaysErrors(), files_.myDaysSource())};
    for (WPARAM which : {WPARAM{2}, WPARAM{0}, WPARAM{1}}) {  // my-days.ini's first: the user's own
        if (problems[which] == told_[which]) continue;
        told_[which] = problems[which];
        if (!told_[which].empty() && window_ != nullptr) PostMessageW(window_, kProblemMessage, which, 0);
    }
    return changed;
}

void DataWatch::readFrom(const std::filesystem::path& folder) {
    if (folder == folder_) {
        files_.calendarWritten();
        files_.eventsWritten();
        return;
    }
    folder_ = folder;
    files_ = CalendarFiles(folder);
}

std::string DataWatch::editCalendar(const std::function<EditedText(std::string_view)>& edit) {
    bool changed = false;
    const std::string problem = velmora::editFile(files_.calendarSource().path(), edit, &changed);
    if (changed) {
        files_.calendarWritten();  // read at the next look, even where its time and size look as before
        if (window_ != nullptr) SendMessageW(window_, kWrittenMessage, 0, 0);
    }
    return problem;
}

std::string DataWatch::saveMyDays(const MyDayEdit& change) {
    std::filesystem::path path = files_.myDaysSource().path();
    if (path.empty()) path = executableFolder() / "my-days.ini";
    std::error_code error;
    std::string current;
    if (std::filesystem::exists(path, error)) {
        const auto read = readWholeFile(path);
        // Never a file made from less than the file: another program may hold it for a moment.
        if (!read) return "my-days.ini cannot be read now (is another program using it?); nothing was written";
        current = *read;
    }
    const EditedMyDays edited = editMyDays(current, change);
    if (!edited.problem.empty()) return edited.problem;
    const std::string problem = saveFile(path, edited.bytes);
    if (!problem.empty()) return problem;
    files_.myDaysWritten();
    if (window_ != nullptr) SendMessageW(window_, kWrittenMessage, 0, 0);
    return {};
}

void DataWatch::warn(WPARAM which, const Catalogue& words, HWND owner) const {
    const UINT texts[] = {IDS_DATA_PROBLEM, IDS_EVENTS_PROBLEM, IDS_MYDAYS_PROBLEM};
    if (!problem(which).empty())
        words.warn(owner, texts[std::min<WPARAM>(which, 2)], problemWords(problem(which), words.language()));
}

}  // namespace velmora
