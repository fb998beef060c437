#include "cli/commands.h"

#include <ostream>

#include "cli/command_list.h"

namespace velmora::cli {

int run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out, std::ostream& err,
        const std::filesystem::path& dataFolder) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    const CommandContext context{in, out, err, dataFolder};
    if (args[0] == "convert") return convertCommand(rest, context);
    if (args[0] == "check") return checkCommand(rest, context);
    if (args[0] == "occasions") return occasionsCommand(rest, context);
    if (args[0] == "holidays") return holidaysCommand(rest, context);
    if (args[0] == "lunar") return lunarCommand(rest, context);
    err << "velmora-cli: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}

}  // namespace velmora::cli
