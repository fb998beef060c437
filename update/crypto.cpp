#include "update/crypto.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr std::string_view kBase64Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// An X.509 SubjectPublicKeyInfo of an EC key on prime256v1 up to the point's first byte: the
// sequence, the algorithm (id-ecPublicKey, the curve's OID) and the bit string's header.
constexpr std::uint8_t kP256KeyPrefix[] = {0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48,
                                           0xce, 0x3d, 0x02, 0x01, 0x06, 0x08, 0x2a, 0x86, 0x48,
                                           0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00, 0x04};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::string> fromBase64(std::string_view text) {
    while (!text.empty() && text.back() == '=') text.remove_suffix(1);
    if (text.size() % 4 == 1) return std::nullopt;
    std::string bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const std::size_t value = kBase64Digits.find(c);
        if (value == std::string_view::npos) return std::nullopt;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(static_cast<char>((bits >> count) & 0xff));
        }
    }
    return bytes;
}

std::string toBase64(std::string_view bytes) {
    std::string text;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : bytes) {
        bits = (bits << 8) | static_cast<std::uint8_t>(c);
        count += 8;
        while (count >= 6) {
            count -= 6;
            text.push_back(kBase64Digits[(bits >> count) & 0x3f]);
        }
    }
    if (count > 0) text.push_back(kBase64Digits[(bits << (6 - count)) & 0x3f]);
    while (text.size() % 4 != 0) text.push_back('=');
    return text;
}

std::string hexOf(const Sha256& hash) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : hash) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xf]);
    }
    return text;
}

std::optional<Sha256> sha256FromHex(std::string_view text) {
    if (text.size() != 64) return std::nullopt;
    Sha256 hash{};
    for (std::size_t i = 0; i < hash.size(); ++i) {
        const int high = hexDigit(text[2 * i]);
        const int low = hexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        hash[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return hash;
}

std::optional<PublicKey> readPublicKey(std::string_view pem) {
    constexpr std::string_view kBegin = "-----BEGIN PUBLIC KEY-----";
    constexpr std::string_view kEnd = "-----END PUBLIC KEY-----";
    const std::size_t begin = pem.find(kBegin);
    const std::size_t end = pem.find(kEnd);
    if (begin == std::string_view::npos || end == std::string_view::npos || end < begin) return std::nullopt;
    std::string body;
    for (const char c : pem.substr(begin + kBegin.size(), end - begin - kBegin.size()))
        if (c != '\r' && c != '\n' && c != ' ') body.push_back(c);
    const auto der = fromBase64(body);
    constexpr std::size_t kPrefix = sizeof kP256KeyPrefix;
    if (!der || der->size() != kPrefix + 64 ||
        !std::equal(kP256KeyPrefix, kP256KeyPrefix + kPrefix, der->begin(),
                    [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }))
        return std::nullopt;
    PublicKey key;
    std::transform(der->begin() + kPrefix, der->end(), key.point.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return key;
}

std::string subjectPublicKeyInfo(const PublicKey& key) {
    std::string der(reinterpret_cast<const char*>(kP256KeyPrefix), sizeof kP256KeyPrefix);
    der.append(reinterpret_cast<const char*>(key.point.data()), key.point.size());
    return der;
}

}  // namespace velmora
