// Icons at the display's scale.
#pragma once

#include <windows.h>

namespace velmora {

// An icon of the program's resources at the size the display's scale asks for; the caller
// destroys it.
HICON loadScaledIcon(HINSTANCE instance, const wchar_t* name, int pixelsAt96);

}  // namespace velmora
