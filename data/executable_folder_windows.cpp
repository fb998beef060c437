#include <windows.h>

#include "data/executable_folder.h"

namespace velmora {

std::filesystem::path executablePath() {
    const std::u16string path = readWholePath([](char16_t* buffer, std::size_t size) -> std::size_t {
        return GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer), static_cast<DWORD>(size));
    });
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
}

std::filesystem::path userDataFolder() {
    const wchar_t* profile = _wgetenv(L"APPDATA");
    if (profile == nullptr || *profile == L'\0') return {};
    return std::filesystem::path(profile) / L"Velmora";
}

}  // namespace velmora
