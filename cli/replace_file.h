// Writing a data file so that a crash or a full disk never leaves half of it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velmora::cli {

// Writes bytes beside path ("NAME.new"), keeps the current file as "NAME.bak", then renames
// the new file over path. Returns the problem, empty on success; on any failure path is as it
// was. afterTemporary, when given, runs once the new file is written, and returning false
// stops there as a crash would (for tests).
std::string replaceFileKeepingBackup(const std::filesystem::path& path, std::string_view bytes,
                                     const std::function<bool()>& afterTemporary = {});

}  // namespace velmora::cli
