#include "cli/commands.h"

#include <ostream>

#include "cli/cli_support.h"
#include "cli/command_list.h"

namespace velmora::cli {

int run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::filesystem::path& dataFolder) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    // --data DIR before the command, as global options stand, is read as if after it.
    std::vector<std::string_view> leading;
    std::size_t first = 0;
    while (first < args.size() && args[first] == "--data") {
        leading.push_back(args[first++]);
        if (first < args.size()) leading.push_back(args[first++]);
    }
    if (first == args.size()) {
        err << kUsage;
        return 2;
    }
    if (first > 0) {
        std::vector<std::string_view> reordered(args.begin() + static_cast<std::ptrdiff_t>(first), args.end());
        reordered.insert(reordered.begin() + 1, leading.begin(), leading.end());
        return run(reordered, in, out, err, dataFolder);
    }
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    const CommandContext context{in, out, err, dataFolder};
    if (args[0] == "convert") return convertCommand(rest, context);
    if (args[0] == "check") return checkCommand(rest, context);
    if (args[0] == "occasions") return occasionsCommand(rest, context);
    if (args[0] == "holidays") return holidaysCommand(rest, context);
    if (args[0] == "lunar") return lunarCommand(rest, context);
    err << "velmora-cli: unknown command \"" << shown(args[0]) << "\"\n" << kUsage;
    return 2;
}

}  // namespace velmora::cli
