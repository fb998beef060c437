// Where the process looks for DLLs it loads at run time.
#pragma once

namespace velmora {

// From here on, DLLs load from the system folder only, never from the program's folder or
// the current one: a program unpacked into Downloads must not load a DLL planted beside it.
// Nothing to do on other systems.
void restrictDllSearchToSystem();

}  // namespace velmora
