// velmora-cli's commands run in the process, on the shipped data files.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "test_files.h"

namespace velmora::cli {

struct Result {
    int status;
    std::string out;
    std::string err;
};

inline Result runCli(std::vector<std::string_view> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = run(args, in, out, err, sourceFile("resources"));
    return {status, out.str(), err.str()};
}

}  // namespace velmora::cli
