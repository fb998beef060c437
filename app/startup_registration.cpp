#include "app/startup_registration.h"

#include <windows.h>

#include "app/win32_text.h"
#include "data/executable_folder.h"
#include "decisions/startup_value.h"

namespace velmora {
namespace {

void writeRunValue(HKEY root, const std::u16string& command) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, wide(kRunKeyPath.data()), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, wide(kRunValueName.data()), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void deleteRunValue(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, wide(kRunKeyPath.data()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, wide(kRunValueName.data()));
    RegCloseKey(key);
}

}  // namespace

bool isRegisteredAtStartup() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(kRunKeyPath.data()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegOpenKeyExW(HKEY_CURRENT_USER, wide(kRunKeyPath.data()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool present =
        RegQueryValueExW(key, wide(kRunValueName.data()), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return present;
}

void registerAtStartup() {
    const std::wstring path = executablePath().wstring();
    const std::u16string command = startupCommand(std::u16string(path.begin(), path.end()));
    writeRunValue(HKEY_CURRENT_USER, command);
    writeRunValue(HKEY_LOCAL_MACHINE, command);
}

void unregisterAtStartup() {
    deleteRunValue(HKEY_CURRENT_USER);
    deleteRunValue(HKEY_LOCAL_MACHINE);
}

}  // namespace velmora
