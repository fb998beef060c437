#include "data/dll_search.h"

namespace velmora {

void restrictDllSearchToSystem() {}

void* systemFunction(const wchar_t*, const char*) { return nullptr; }

}  // namespace velmora
