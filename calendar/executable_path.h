// Where the program's data files lie: in the executable's folder, found from the command line.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The folder, with its final backslash, of the executable that a Windows command line
// starts with: a quoted path up to its closing quotation mark, or an unquoted one up to the
// first blank. Arguments never count, whatever they contain, and no length is too long.
std::u16string folderFromCommandLine(std::u16string_view commandLine);

// The full path of fileName in that folder ("calendar.ini", "events.ini", "content.htm").
std::u16string pathBesideExecutable(std::u16string_view commandLine, std::u16string_view fileName);

}  // namespace velmora
