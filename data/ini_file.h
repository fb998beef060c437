// Reading INI files the way the Windows profile functions read them, in one portable
// implementation that both builds share.
//
// Section and key names compare case-insensitively with surrounding blanks ignored; the
// first matching section, and within it the first matching key, wins; values are trimmed
// and lose one pair of enclosing quotation marks; lines beginning with ";" are comments.
// UTF-8 (with or without a byte-order mark) and UTF-16 in either byte order (with a mark)
// are read alike; bytes that are not valid UTF-8 read as U+FFFD.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/text_codec.h"

namespace velmora {

class IniFile {
  public:
    struct Entry {
        std::u16string key;    // as written, trimmed
        std::u16string value;  // trimmed, quotes removed
        std::int32_t line = 0;
    };
    struct Section {
        std::u16string name;  // as written, trimmed
        std::int32_t line = 0;
        std::vector<Entry> entries;
        std::unordered_map<std::u16string, std::size_t> firstEntry;  // folded key -> entry

        // The first entry whose key is the given one, as the reader compares names.
        const Entry* find(std::u16string_view key) const;
    };

    IniFile() = default;

    // Decodes and parses the bytes of a whole file.
    static IniFile parse(std::string_view bytes);

    // The value of key in section, or nothing when either is absent.
    std::optional<std::u16string_view> find(std::u16string_view section, std::u16string_view key) const;
    const Section* findSection(std::u16string_view section) const;

    // Every section in file order, duplicates included (for validation).
    const std::vector<Section>& sections() const { return sections_; }
    // Lines that are neither blank, comment, section header nor "key=value".
    const std::vector<std::int32_t>& strayLines() const { return strayLines_; }

  private:
    std::vector<Section> sections_;
    std::unordered_map<std::u16string, std::size_t> firstSection_;  // folded name -> section
    std::vector<std::int32_t> strayLines_;
};

// The integer read: an optional sign and decimal digits, up to the first other character;
// a value that is not a number reads as 0, a missing or empty one as the fallback. Values
// beyond 32 bits saturate.
std::int32_t readProfileInt(const IniFile& file, std::u16string_view section, std::u16string_view key,
                            std::int32_t fallback);

// The string read into a buffer of bufferSize characters: at most bufferSize - 1 of the
// value's characters, or the fallback when the key is missing.
std::u16string readProfileString(const IniFile& file, std::u16string_view section, std::u16string_view key,
                                 std::u16string_view fallback, std::size_t bufferSize);

// Whether two section or key names are the same name, as the reader compares them.
bool sameName(std::u16string_view a, std::u16string_view b);

// The integer conversion of readProfileInt, for a value already at hand.
std::int32_t profileIntValue(std::u16string_view value, std::int32_t fallback);

// The decimal text of an integer as a section or key name ("1430", "-5").
std::u16string decimalName(std::int64_t value);

// The integer a name stands for when it is written as decimalName writes it: no sign but a
// leading "-", no leading zeros ("1430", "-5"; not "01430" or "+5"), the only spelling by
// which a lookup with decimalName finds it.
std::optional<std::int32_t> decimalNameValue(std::u16string_view name);

}  // namespace velmora
