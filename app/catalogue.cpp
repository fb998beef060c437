#include "app/catalogue.h"

#include "app/theme.h"
#include "app/user_settings.h"
#include "app/win32_text.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr wchar_t kLanguageValue[] = L"Language";

}  // namespace

Catalogue::Catalogue(HINSTANCE instance, Language language)
    : instance_(instance),
      language_(language),
      languageId_(language == Language::persian ? MAKELANGID(LANG_PERSIAN, SUBLANG_PERSIAN_IRAN)
                                                : MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)) {}

std::span<const BYTE> Catalogue::find(const wchar_t* type, const wchar_t* name) const {
    HRSRC found = FindResourceExW(instance_, type, name, languageId_);
    if (found == nullptr) found = FindResourceExW(instance_, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    if (found == nullptr) found = FindResourceW(instance_, name, type);
    if (found == nullptr) return {};
    const HGLOBAL loaded = LoadResource(instance_, found);
    const auto* bytes = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    return bytes != nullptr ? std::span(bytes, SizeofResource(instance_, found)) : std::span<const BYTE>{};
}

std::u16string Catalogue::text(UINT id) const {
    // Strings come in blocks of sixteen, each a length and that many characters.
    const auto* block = reinterpret_cast<const char16_t*>(find(RT_STRING, MAKEINTRESOURCEW((id >> 4) + 1)).data());
    if (block == nullptr) return {};
    for (UINT i = 0; i < (id & 15); ++i) block += 1 + *block;
    return std::u16string(block + 1, *block);
}

HMENU Catalogue::menu(const wchar_t* name) const {
    const std::span<const BYTE> resource = find(RT_MENU, name);
    return !resource.empty() ? LoadMenuIndirectW(resource.data()) : nullptr;
}

const DLGTEMPLATE* Catalogue::dialog(const wchar_t* name) const {
    auto kept = dialogs_.find(name);
    if (kept == dialogs_.end()) {
        const std::span<const BYTE> designed = find(RT_DIALOG, name);
        if (designed.empty()) return nullptr;
        kept = dialogs_.emplace(name, inMessageFont(designed)).first;
    }
    return reinterpret_cast<const DLGTEMPLATE*>(kept->second.data());
}

void Catalogue::warn(HWND owner, UINT textId, std::u16string_view insert) const {
    say(owner, text(textId), insert, MB_OK | MB_ICONWARNING);
}

int Catalogue::say(HWND owner, std::u16string_view words, std::u16string_view insert, UINT flags) const {
    const std::u16string message = messageText(std::u16string(words), insert, language_);
    const std::u16string title = text(IDS_PROGRAM_NAME);
    return MessageBoxW(owner, wide(message.c_str()), wide(title.c_str()), flags | messageBoxFlags());
}

Language storedInterfaceLanguage() {
    return interfaceLanguage(readUserSetting(kLanguageValue), GetUserDefaultUILanguage());
}

void storeInterfaceLanguage(Language language) { writeUserSetting(kLanguageValue, languageChoice(language)); }

}  // namespace velmora
