// velmora-cli: the calendar's conversions and occasions in a terminal or a script.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace velmora::cli {

// Runs one command line (without the program name); calendar.ini and events.ini are read
// from dataFolder unless --data names another. Returns the exit status.
int run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::filesystem::path& dataFolder);

}  // namespace velmora::cli
