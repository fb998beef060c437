// The two checks an update rests on: SHA-256 of a download, and an ECDSA P-256 signature over
// the feed, made with the platform's own cryptography (BCrypt on Windows, OpenSSL's libcrypto
// elsewhere). The keys and hashes themselves are read here, portably.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

using Sha256 = std::array<std::uint8_t, 32>;

// A public key on P-256: the point's X and Y, 32 bytes each, big-endian.
struct PublicKey {
    std::array<std::uint8_t, 64> point{};
};

// The bytes of base64 text (padding optional, no other characters); none for anything else.
std::optional<std::string> fromBase64(std::string_view text);
std::string toBase64(std::string_view bytes);

// Lower-case hexadecimal, and back (either case, exactly 64 digits).
std::string hexOf(const Sha256& hash);
std::optional<Sha256> sha256FromHex(std::string_view text);

// A P-256 public key in the PEM form OpenSSL and node write ("-----BEGIN PUBLIC KEY-----",
// an X.509 SubjectPublicKeyInfo holding an uncompressed point); none for any other key or
// curve, or for damaged text.
std::optional<PublicKey> readPublicKey(std::string_view pem);
// The key as that SubjectPublicKeyInfo's DER bytes.
std::string subjectPublicKeyInfo(const PublicKey& key);

// The platform's halves.
Sha256 sha256(std::string_view bytes);
// Whether signature (r and s, 32 bytes each, as IEEE P1363 and BCrypt have it) is key's
// ECDSA signature over SHA-256 of message.
bool verifySignature(const PublicKey& key, std::string_view message, std::string_view signature);

}  // namespace velmora
