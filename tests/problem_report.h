// The problems a file check reports, one "line: severity: message" a line, for assertions.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "data/file_problem.h"

namespace velmora {

inline std::string problemReport(const std::vector<FileProblem>& problems) {
    std::ostringstream report;
    for (const FileProblem& p : problems) {
        report << p.line << ": " << (p.severity == FileProblem::Severity::error ? "error: " : "note: ") << p.message
               << "\n";
    }
    return report.str();
}

}  // namespace velmora
