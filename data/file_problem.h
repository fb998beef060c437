// What the checks of calendar.ini, events.ini and my-days.ini report, and the checks of shape
// they share.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ini_file.h"

namespace velmora {

struct FileProblem {
    enum class Severity { note, error };
    Severity severity = Severity::error;
    std::int32_t line = 0;  // 0 when the problem belongs to no single line
    std::string message;
};

class ProblemList {
  public:
    void error(std::int32_t line, std::string message) {
        problems_.push_back({FileProblem::Severity::error, line, std::move(message)});
    }
    void note(std::int32_t line, std::string message) {
        problems_.push_back({FileProblem::Severity::note, line, std::move(message)});
    }
    std::vector<FileProblem> take() { return std::move(problems_); }

  private:
    std::vector<FileProblem> problems_;
};

// "calendar.ini:23: error: month 1 of 1441 has "31" days (29 or 30 expected)", as check says it.
std::string describeProblem(std::string_view fileName, const FileProblem& problem);

// An optional sign and at most 11 characters of ASCII digits, nothing else.
bool isPlainInteger(std::u16string_view value);

// Stray lines, and every section that is not the first of its name (the read ignores it) or
// whose name the file does not know; hands each other section, in file order, to
// checkSection.
void checkIniShape(const IniFile& ini, ProblemList& problems,
                   const std::function<bool(std::u16string_view)>& knownSection, std::string_view whatKnownSectionsAre,
                   const std::function<void(const IniFile::Section&)>& checkSection = {});

}  // namespace velmora
