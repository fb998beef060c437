#include "cli/commands.h"

#include <ostream>

#include "cli/cli_support.h"
#include "cli/command_list.h"

namespace velmora::cli {

std::string commandUsage(std::string_view command) {
    const std::string_view usage = kUsage;
    const std::string head = "  velmora-cli " + std::string(command) + " ";
    std::string lines;
    // Each line of the command (lunar has several) and the indented lines that describe it.
    for (std::size_t start = usage.find(head); start != std::string_view::npos; start = usage.find(head, start)) {
        std::size_t end = usage.find('\n', start) + 1;
        while (usage.substr(end).starts_with("      ")) end = usage.find('\n', end) + 1;
        lines += usage.substr(start, end - start);
        start = end;
    }
    return lines;
}

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
    if (args[0] == "--version") {
        out << "velmora-cli " << kVersion << "\n";
        return 0;
    }
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h") && !commandUsage(args[0]).empty()) {
        out << "usage:\n" << commandUsage(args[0]);
        return 0;
    }
    const CommandContext context{in, out, err, dataFolder};
    if (args[0] == "convert") return convertCommand(rest, context);
    if (args[0] == "check") return checkCommand(rest, context);
    if (args[0] == "occasions") return occasionsCommand(rest, context);
    if (args[0] == "holidays") return holidaysCommand(rest, context);
    if (args[0] == "lunar") return lunarCommand(rest, context);
    if (args[0] == "today") return todayCommand(rest, context);
    if (args[0] == "diff") return diffCommand(rest, context);
    if (args[0] == "add") return addCommand(rest, context);
    if (args[0] == "ics") return icsCommand(rest, context);
    if (args[0] == "owghat") return owghatCommand(rest, context);
    if (args[0] == "update") return updateCommand(rest, context);
    err << "velmora-cli: unknown command \"" << shown(args[0]) << "\"\n" << kUsage;
    return 2;
}

}  // namespace velmora::cli
