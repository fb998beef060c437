// The folder of the running executable, where calendar.ini, events.ini and content.htm lie.
#pragma once

#include <filesystem>

namespace velmora {

// Taken from the running module itself, never from the command line, which may name the
// program by a bare name or by an unquoted path with blanks.
std::filesystem::path executableFolder();

}  // namespace velmora
