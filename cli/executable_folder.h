// The folder of the running executable, where calendar.ini and events.ini are installed.
#pragma once

#include <filesystem>

namespace velmora::cli {

std::filesystem::path executableFolder();

}  // namespace velmora::cli
