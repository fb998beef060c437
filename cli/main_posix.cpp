#include <iostream>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "data/executable_folder.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return velmora::cli::run(args, std::cin, std::cout, std::cerr, velmora::executableFolder());
}
