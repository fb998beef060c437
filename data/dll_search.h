// Where the process looks for DLLs it loads at run time.
#pragma once

namespace velmora {

// From here on, DLLs load from the system folder only, never from the program's folder or
// the current one: a program unpacked into Downloads must not load a DLL planted beside it.
// Nothing to do on other systems.
void restrictDllSearchToSystem();

// A function of a system DLL, loaded from the system folder when first asked for (a DLL that
// only a dialog or a reminder needs costs the start nothing); null where it cannot be had,
// and on other systems.
void* systemFunction(const wchar_t* dll, const char* name);

}  // namespace velmora
