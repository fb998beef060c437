#include <cstdlib>
#include <system_error>

#include "data/executable_folder.h"

namespace velmora {

std::filesystem::path executablePath() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) / "velmora-cli" : self;
}

std::filesystem::path userDataFolder() {
    const char* profile = std::getenv("APPDATA");
    if (profile == nullptr || *profile == '\0') return {};
    return std::filesystem::path(profile) / "Velmora";
}

}  // namespace velmora
