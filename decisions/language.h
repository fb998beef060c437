// The language of the interface as the user chose it or Windows suggests it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "calendar/language.h"

namespace velmora {

// The user's choice as stored ("en" or "fa"); otherwise Persian when Windows' display language
// is Persian (primary language 0x29), English for any other.
constexpr Language interfaceLanguage(std::u16string_view choice, std::uint16_t displayLanguageId) {
    if (choice == u"fa") return Language::persian;
    if (choice == u"en") return Language::english;
    return (displayLanguageId & 0x3FF) == 0x29 ? Language::persian : Language::english;
}

// A string of the interface's words with its "%s" replaced by insert.
inline std::u16string withInsert(std::u16string text, std::u16string_view insert) {
    const std::size_t at = text.find(u"%s");
    if (at != std::u16string::npos) text.replace(at, 2, insert);
    return text;
}

// The same with each "%s" in turn replaced by the next insert.
inline std::u16string withInserts(std::u16string text, std::initializer_list<std::u16string_view> inserts) {
    std::size_t from = 0;
    for (const std::u16string_view insert : inserts) {
        const std::size_t at = text.find(u"%s", from);
        if (at == std::u16string::npos) break;
        text.replace(at, 2, insert);
        from = at + insert.size();
    }
    return text;
}

constexpr std::u16string_view languageChoice(Language language) {
    return language == Language::persian ? u"fa" : u"en";
}

}  // namespace velmora
