// velmora-cli: the calendar's conversions and occasions in a terminal or a script.
#pragma once

#include <iosfwd>
#include <string_view>
#include <vector>

namespace velmora::cli {

// Runs one command line (without the program name). Returns the exit status.
int run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace velmora::cli
