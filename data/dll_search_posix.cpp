#include "data/dll_search.h"

namespace velmora {

void restrictDllSearchToSystem() {}

}  // namespace velmora
