#include <windows.h>

#include <vector>

#include "window/executable_folder.h"

namespace velmora {

std::filesystem::path executableFolder() {
    // GetModuleFileNameW cuts a path that does not fit; grow the buffer until it does.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length)).parent_path();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace velmora
