#include "calendar/executable_path.h"

namespace velmora {

std::u16string folderFromCommandLine(std::u16string_view commandLine) {
    std::u16string_view program;
    if (!commandLine.empty() && commandLine.front() == u'"') {
        const std::size_t close = commandLine.find(u'"', 1);
        program = commandLine.substr(1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1);
    } else {
        program = commandLine.substr(0, commandLine.find_first_of(u" \t"));
    }
    const std::size_t slash = program.find_last_of(u"\\/");
    if (slash == std::u16string_view::npos) return {};  // started from the current folder
    return std::u16string(program.substr(0, slash + 1));
}

std::u16string pathBesideExecutable(std::u16string_view commandLine, std::u16string_view fileName) {
    return folderFromCommandLine(commandLine) + std::u16string(fileName);
}

}  // namespace velmora
