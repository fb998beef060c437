#include "data/ini_file.h"

#include <limits>

#include "data/integer_text.h"

namespace velmora {
namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

std::u16string_view trim(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Names compare without regard to ASCII case.
std::u16string fold(std::u16string_view name) {
    std::u16string folded(trim(name));
    for (char16_t& c : folded) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return folded;
}

// Strips one pair of matching quotation marks around a value.
std::u16string_view unquote(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        value.remove_prefix(1);
        value.remove_suffix(1);
    }
    return value;
}

}  // namespace

IniFile IniFile::parse(std::string_view bytes) {
    IniFile file;
    const std::u16string text = decodeText(bytes);
    const std::u16string_view all(text);
    Section* current = nullptr;
    std::int32_t lineNumber = 0;
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t end = all.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) end = all.size();
        const std::u16string_view line = trim(all.substr(start, end - start));
        ++lineNumber;
        // A CR LF pair ends one line, not two.
        start = end + (end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n' ? 2 : 1);

        if (line.empty() || line.front() == u';') continue;
        if (line.front() == u'[') {
            std::u16string_view name = line.substr(1);
            const std::size_t close = name.rfind(u']');
            if (close != std::u16string_view::npos) name = name.substr(0, close);
            file.sections_.push_back({std::u16string(trim(name)), lineNumber, {}, {}});
            current = &file.sections_.back();
            file.firstSection_.try_emplace(fold(name), file.sections_.size() - 1);
            continue;
        }
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) {
            file.strayLines_.push_back(lineNumber);
            continue;
        }
        if (current == nullptr) {  // keys before the first section belong to a nameless one
            file.sections_.push_back({std::u16string(), 0, {}, {}});
            current = &file.sections_.back();
            file.firstSection_.try_emplace(std::u16string(), file.sections_.size() - 1);
        }
        const std::u16string_view key = trim(line.substr(0, equals));
        const std::u16string_view value = unquote(trim(line.substr(equals + 1)));
        current->entries.push_back({std::u16string(key), std::u16string(value), lineNumber});
        current->firstEntry.try_emplace(fold(key), current->entries.size() - 1);
    }
    return file;
}

const IniFile::Section* IniFile::findSection(std::u16string_view section) const {
    const auto it = firstSection_.find(fold(section));
    return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::u16string_view> IniFile::find(std::u16string_view section, std::u16string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return std::nullopt;
    const Entry* entry = found->find(key);
    if (entry == nullptr) return std::nullopt;
    return std::u16string_view(entry->value);
}

std::int32_t profileIntValue(std::u16string_view value, std::int32_t fallback) {
    if (value.empty()) return fallback;
    std::size_t i = 0;
    while (i < value.size() && isBlank(value[i])) ++i;
    return saturatedValue(scanInteger(value.substr(i), DigitScripts::ascii));
}

bool sameName(std::u16string_view a, std::u16string_view b) { return fold(a) == fold(b); }

const IniFile::Entry* IniFile::Section::find(std::u16string_view key) const {
    const auto it = firstEntry.find(fold(key));
    return it == firstEntry.end() ? nullptr : &entries[it->second];
}

std::int32_t readProfileInt(const IniFile& file, std::u16string_view section, std::u16string_view key,
                            std::int32_t fallback) {
    const auto value = file.find(section, key);
    return value ? profileIntValue(*value, fallback) : fallback;
}

std::u16string readProfileString(const IniFile& file, std::u16string_view section, std::u16string_view key,
                                 std::u16string_view fallback, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    const std::u16string_view value = file.find(section, key).value_or(fallback);
    return std::u16string(value.substr(0, bufferSize - 1));
}

std::u16string decimalName(std::int64_t value) {
    const std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

std::optional<std::int32_t> decimalNameValue(std::u16string_view name) {
    const IntegerScan scan = scanInteger(name, DigitScripts::ascii);
    if (scan.digits == 0 || scan.end != name.size() || scan.explicitPlus || scan.leadingZero) return std::nullopt;
    if (scan.negative && scan.magnitude == 0) return std::nullopt;  // "-0"
    if (scan.value() < std::numeric_limits<std::int32_t>::min() ||
        scan.value() > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(scan.value());
}

}  // namespace velmora
