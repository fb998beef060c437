#include "update/feed.h"

#include <charconv>
#include <map>
#include <vector>

namespace velmora {
namespace {

constexpr std::string_view kSignatureKey = "signature=";

std::optional<std::vector<std::int64_t>> versionParts(std::string_view text) {
    std::vector<std::int64_t> parts;
    for (;;) {
        std::int64_t part = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), part);
        if (error != std::errc() || part < 0 || parts.size() == 8) return std::nullopt;
        parts.push_back(part);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (text.empty()) return parts;
        if (text.front() != '.') return std::nullopt;
        text.remove_prefix(1);
    }
}

bool isDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return false;
    const int month = (text[5] - '0') * 10 + (text[6] - '0');
    const int day = (text[8] - '0') * 10 + (text[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// An address the program may fetch: a web address, or a name relative to the feed's folder
// that does not climb out of it.
bool isAddress(std::string_view text) {
    if (text.empty() || text.find_first_of(" \t\"<>") != std::string_view::npos) return false;
    if (text.starts_with("http://") || text.starts_with("https://")) return true;
    return text.find(':') == std::string_view::npos && !text.starts_with("/") && !text.starts_with("\\") &&
           text.find("..") == std::string_view::npos;
}

}  // namespace

std::optional<std::strong_ordering> compareVersions(std::string_view a, std::string_view b) {
    auto first = versionParts(a);
    auto second = versionParts(b);
    if (!first || !second) return std::nullopt;
    const std::size_t size = std::max(first->size(), second->size());
    first->resize(size);
    second->resize(size);
    return *first <=> *second;
}

FeedReading readFeed(std::string_view bytes, const PublicKey& key) {
    FeedReading reading;
    if (bytes.size() > kFeedLimit) {
        reading.problem = "the feed is larger than " + std::to_string(kFeedLimit) + " bytes";
        return reading;
    }
    // The signature is the last line; it signs everything before it.
    std::size_t signatureAt = bytes.rfind(kSignatureKey);
    while (signatureAt != std::string_view::npos && signatureAt != 0 && bytes[signatureAt - 1] != '\n')
        signatureAt = signatureAt == 0 ? std::string_view::npos : bytes.rfind(kSignatureKey, signatureAt - 1);
    if (signatureAt == std::string_view::npos) {
        reading.problem = "the feed is not signed";
        return reading;
    }
    const std::string_view body = bytes.substr(0, signatureAt);
    std::string_view signatureText = bytes.substr(signatureAt + kSignatureKey.size());
    while (!signatureText.empty() && (signatureText.back() == '\n' || signatureText.back() == '\r'))
        signatureText.remove_suffix(1);
    const auto signature = fromBase64(signatureText);
    if (!signature || signature->size() != 64 || !verifySignature(key, body, *signature)) {
        reading.problem = "the feed's signature does not verify: it was altered or not made with Velmora's key";
        return reading;
    }

    std::map<std::string, std::string, std::less<>> values;
    std::size_t lineNumber = 0;
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t end = std::min(body.find('\n', at), body.size());
        std::string_view line = body.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ';') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            reading.problem = "line " + std::to_string(lineNumber) + " of the feed is not key=value";
            return reading;
        }
        if (!values.emplace(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))).second) {
            reading.problem = "the feed gives \"" + std::string(line.substr(0, equals)) + "\" twice";
            return reading;
        }
    }
    const auto take = [&](std::string_view name) -> const std::string* {
        const auto found = values.find(name);
        if (found == values.end() || found->second.empty()) {
            if (reading.problem.empty()) reading.problem = "the feed has no \"" + std::string(name) + "\"";
            return nullptr;
        }
        return &found->second;
    };
    const auto refuse = [&](std::string_view name) {
        if (reading.problem.empty()) reading.problem = "the feed's \"" + std::string(name) + "\" is not sound";
    };
    const auto hash = [&](std::string_view name, Sha256& into) {
        if (const std::string* text = take(name)) {
            if (const auto value = sha256FromHex(*text))
                into = *value;
            else
                refuse(name);
        }
    };
    const auto address = [&](std::string_view name, std::string& into) {
        if (const std::string* text = take(name)) {
            if (isAddress(*text))
                into = *text;
            else
                refuse(name);
        }
    };

    Feed feed;
    if (const std::string* format = take("format"); format != nullptr && *format != "1")
        reading.problem = "the feed is of format " + *format + ", which this version does not read";
    if (const std::string* version = take("version")) {
        if (versionParts(*version))
            feed.version = *version;
        else
            refuse("version");
    }
    address("installer", feed.installer);
    hash("installerSha256", feed.installerSha256);
    if (const std::string* edition = take("edition")) {
        const auto [end, error] = std::from_chars(edition->data(), edition->data() + edition->size(), feed.edition);
        if (error != std::errc() || end != edition->data() + edition->size() || feed.edition <= 0) refuse("edition");
    }
    if (const std::string* date = take("editionDate")) {
        if (isDate(*date))
            feed.editionDate = *date;
        else
            refuse("editionDate");
    }
    address("calendar", feed.calendar);
    hash("calendarSha256", feed.calendarSha256);
    address("events", feed.events);
    hash("eventsSha256", feed.eventsSha256);
    if (const std::string* changes = take("changes")) feed.changes = *changes;
    if (const std::string* changes = take("changesPersian")) feed.changesPersian = *changes;
    if (reading.problem.empty()) reading.feed = std::move(feed);
    return reading;
}

}  // namespace velmora
