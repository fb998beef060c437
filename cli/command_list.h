// The commands of velmora-cli, one function each.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct CommandContext {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    std::filesystem::path dataFolder;
};

inline constexpr std::string_view kUsage =
    "usage:\n"
    "  velmora-cli convert [--data DIR] [--from jalali|gregorian|hijri|jdn] [DATE ...]\n"
    "      DATE is Y-M-D (the year may be negative) or, with --from jdn, a day number; with no\n"
    "      DATE one date per line is read from standard input. Prints the day number, the\n"
    "      Gregorian, Solar Hijri and lunar Hijri dates and the weekday, tab-separated.\n"
    "  velmora-cli check [--data DIR]\n"
    "      Validates calendar.ini and events.ini.\n"
    "  --data DIR reads calendar.ini and events.ini from DIR instead of the program's folder.\n";

int convertCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int checkCommand(const std::vector<std::string_view>& args, const CommandContext& context);

}  // namespace velmora::cli
