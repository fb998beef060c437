#include "app/user_settings.h"

#include <windows.h>

#include <vector>

namespace velmora {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Velmora";

}  // namespace

std::u16string readUserSetting(const wchar_t* name) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<wchar_t> value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(value.data()));
}

DigitChoice storedDigitChoice() { return digitChoiceOf(readUserSetting(L"Digits")); }

void storeDigitChoice(DigitChoice choice) { writeUserSetting(L"Digits", storedDigits(choice)); }

void writeUserSetting(const wchar_t* name, std::u16string_view value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    const std::u16string text(value);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace velmora
