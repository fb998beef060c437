#include "data/file_problem.h"

#include "data/integer_text.h"

namespace velmora {

std::string describeProblem(std::string_view fileName, const FileProblem& problem) {
    std::string text(fileName);
    if (problem.line > 0) text += ":" + std::to_string(problem.line);
    text += problem.severity == FileProblem::Severity::error ? ": error: " : ": note: ";
    return text + problem.message;
}

bool isPlainInteger(std::u16string_view value) {
    const IntegerScan scan = scanInteger(value, DigitScripts::ascii);
    return scan.digits > 0 && scan.end == value.size() && value.size() <= 11;
}

void checkIniShape(const IniFile& ini, ProblemList& problems,
                   const std::function<bool(std::u16string_view)>& knownSection, std::string_view whatKnownSectionsAre,
                   const std::function<void(const IniFile::Section&)>& checkSection) {
    for (const std::int32_t line : ini.strayLines())
        problems.error(line, "a line that is neither a section, a key=value pair nor a comment");
    for (const IniFile::Section& section : ini.sections()) {
        const std::string name = toUtf8(section.name);
        const IniFile::Section* first = ini.findSection(section.name);
        if (first != &section) {
            problems.error(section.line, "a second section [" + name + "] (the first, at line " +
                                             std::to_string(first->line) + ", is the one read)");
        } else if (!knownSection(section.name)) {
            problems.error(section.line, "unknown section [" + name + "]" + std::string(whatKnownSectionsAre));
        } else if (checkSection) {
            checkSection(section);
        }
    }
}

}  // namespace velmora
