#include "data/ini_file.h"

#include <fstream>
#include <limits>
#include <system_error>

namespace velmora {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

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

void appendCodePoint(std::u16string& out, std::uint32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0));
    }
    if (bytes.size() % 2 != 0) text.push_back(kReplacement);
    return text;
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

std::u16string fromUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            text.push_back(b);
            ++i;
            continue;
        }
        std::int32_t extra = 0;
        std::uint32_t cp = 0;
        std::uint32_t minimum = 0;
        if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
            minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
            minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
            minimum = 0x10000;
        } else {
            text.push_back(kReplacement);
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool valid = true;
        for (std::int32_t k = 0; k < extra; ++k, ++j) {
            if (j >= bytes.size() || (static_cast<unsigned char>(bytes[j]) & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (static_cast<unsigned char>(bytes[j]) & 0x3F);
        }
        if (!valid || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            text.push_back(kReplacement);
            i = j;  // one replacement for the longest broken prefix
            continue;
        }
        appendCodePoint(text, cp);
        i = j;
    }
    return text;
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::u16string decodeText(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return decodeUtf16(bytes.substr(2), false);
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') return decodeUtf16(bytes.substr(2), true);
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return fromUtf8(bytes.substr(3));
    return fromUtf8(bytes);
}

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
    const auto it = found->firstEntry.find(fold(key));
    if (it == found->firstEntry.end()) return std::nullopt;
    return std::u16string_view(found->entries[it->second].value);
}

std::int32_t profileIntValue(std::u16string_view value, std::int32_t fallback) {
    if (value.empty()) return fallback;
    std::size_t i = 0;
    while (i < value.size() && isBlank(value[i])) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (value[i] - u'0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(result);
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
    std::size_t i = 0;
    bool negative = false;
    if (!name.empty() && name[0] == u'-') {
        negative = true;
        i = 1;
    }
    if (i >= name.size() || name.size() - i > 10) return std::nullopt;
    if (name[i] == u'0' && name.size() - i > 1) return std::nullopt;
    if (negative && name[i] == u'0') return std::nullopt;
    std::int64_t value = 0;
    for (; i < name.size(); ++i) {
        if (name[i] < u'0' || name[i] > u'9') return std::nullopt;
        value = value * 10 + (name[i] - u'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

IniSource::IniSource(std::filesystem::path path) : path_(std::move(path)), file_(std::make_shared<IniFile>()) {}

bool IniSource::refresh() {
    std::error_code error;
    const bool exists = !path_.empty() && std::filesystem::is_regular_file(path_, error);
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    if (exists) {
        size = std::filesystem::file_size(path_, error);
        if (error) size = 0;
        modified = std::filesystem::last_write_time(path_, error);
        if (error) modified = {};
    }
    if (loaded_ && exists == exists_ && size == size_ && modified == modified_) return false;

    loaded_ = true;
    exists_ = exists;
    size_ = size;
    modified_ = modified;
    std::string bytes;
    if (exists) {
        std::ifstream in(path_, std::ios::binary);
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    file_ = std::make_shared<const IniFile>(IniFile::parse(bytes));
    ++parseCount_;
    return true;
}

}  // namespace velmora
