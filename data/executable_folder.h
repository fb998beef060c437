// The running executable's own path, where calendar.ini, events.ini and content.htm lie
// beside it, and which the Run value starts again.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

namespace velmora {

// Taken from the running module itself, never from the command line, which may name the
// program by a bare name or by an unquoted path with blanks.
std::filesystem::path executablePath();
inline std::filesystem::path executableFolder() { return executablePath().parent_path(); }

// The user's folder for the program's own data: %APPDATA%\Velmora on Windows, and on other
// systems $APPDATA/Velmora when that is set (as the tests set it); empty without one.
std::filesystem::path userDataFolder();

// A path read the way GetModuleFileName gives it: `read` fills a buffer of the given size
// and returns how many characters it wrote, the whole size when the path was cut. Buffers
// grow until the path fits, however long; empty when read fails (returns 0).
std::u16string readWholePath(const std::function<std::size_t(char16_t* buffer, std::size_t size)>& read);

}  // namespace velmora
