#include "cli/ics_text.h"

#include <cstdint>

#include "data/text_codec.h"

namespace velmora::cli {

std::string icsText(std::string_view utf8) {
    std::string text;
    for (const char c : utf8) {
        if (c == '\\' || c == ';' || c == ',') {
            text += '\\';
            text += c;
        } else if (c == '\n') {
            text += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            text += ' ';  // a control character is no TEXT of iCalendar (a tab reads as a blank)
        } else {
            text += c;
        }
    }
    return text;
}

std::string icsText(std::u16string_view text) { return icsText(toUtf8(text)); }

std::string stableHash(std::u16string_view text) {
    // FNV-1a of the UTF-8 bytes, 64 bits, in hexadecimal.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : toUtf8(text)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) name[static_cast<std::size_t>(i)] = kHex[hash & 15];
    return name;
}

void IcsWriter::line(std::string_view content) {
    std::size_t room = 75;  // octets the first line may hold; a continuation's blank takes one
    while (content.size() > room) {
        std::size_t cut = room;
        // Not inside a UTF-8 character: back up over continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(content[cut]) & 0xC0) == 0x80) --cut;
        text_ += content.substr(0, cut);
        text_ += "\r\n ";
        content.remove_prefix(cut);
        room = 74;
    }
    text_ += content;
    text_ += "\r\n";
}

}  // namespace velmora::cli
