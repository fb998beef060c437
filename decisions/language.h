// The language of the interface: Persian or English.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

enum class Language { english, persian };

// The user's choice as stored ("en" or "fa"); otherwise Persian when Windows' display language
// is Persian (primary language 0x29), English for any other.
constexpr Language interfaceLanguage(std::u16string_view choice, std::uint16_t displayLanguageId) {
    if (choice == u"fa") return Language::persian;
    if (choice == u"en") return Language::english;
    return (displayLanguageId & 0x3FF) == 0x29 ? Language::persian : Language::english;
}

constexpr std::u16string_view languageChoice(Language language) {
    return language == Language::persian ? u"fa" : u"en";
}

}  // namespace velmora
