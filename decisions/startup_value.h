// The registry value that starts the program with Windows.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::u16string_view kRunKeyPath = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::u16string_view kRunValueName = u"Velmora";

// The value stored: the program's full path, quoted, so that a folder with blanks in its
// name starts the program and not a program named by its first word. Any value under the
// name counts as ours, whoever wrote it.
inline std::u16string startupCommand(std::u16string_view modulePath) {
    return u"\"" + std::u16string(modulePath) + u"\"";
}

}  // namespace velmora
