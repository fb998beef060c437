// The registry value that starts the program with Windows.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::u16string_view kRunKeyPath = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::u16string_view kRunValueName = u"Velmora";

// The command line as stored: whole, however long, without one trailing blank.
inline std::u16string startupCommand(std::u16string_view commandLine) {
    if (!commandLine.empty() && commandLine.back() == u' ') commandLine.remove_suffix(1);
    return std::u16string(commandLine);
}

}  // namespace velmora
