// SHA-256 and ECDSA through BCrypt (Windows Vista on), the system's own cryptography.
#include <windows.h>

#include <bcrypt.h>

#include <cstring>
#include <vector>

#include "update/crypto.h"

namespace velmora {
namespace {

constexpr bool succeeded(NTSTATUS status) { return status >= 0; }

// An algorithm provider, closed when it goes.
class Provider {
  public:
    explicit Provider(LPCWSTR algorithm) {
        if (!succeeded(BCryptOpenAlgorithmProvider(&handle_, algorithm, nullptr, 0))) handle_ = nullptr;
    }
    ~Provider() {
        if (handle_ != nullptr) BCryptCloseAlgorithmProvider(handle_, 0);
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

  private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

}  // namespace

Sha256 sha256(std::string_view bytes) {
    Sha256 hash{};
    const Provider provider(BCRYPT_SHA256_ALGORITHM);
    BCRYPT_HASH_HANDLE handle = nullptr;
    if (provider.get() == nullptr || !succeeded(BCryptCreateHash(provider.get(), &handle, nullptr, 0, nullptr, 0, 0)))
        return hash;
    // BCryptHashData takes at most 4 GiB a call.
    bool hashed = true;
    for (std::size_t at = 0; hashed && at < bytes.size(); at += 0x40000000) {
        const std::size_t part = std::min<std::size_t>(bytes.size() - at, 0x40000000);
        hashed = succeeded(BCryptHashData(handle, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + at)),
                                          static_cast<ULONG>(part), 0));
    }
    if (hashed) BCryptFinishHash(handle, hash.data(), static_cast<ULONG>(hash.size()), 0);
    BCryptDestroyHash(handle);
    return hash;
}

bool verifySignature(const PublicKey& key, std::string_view message, std::string_view signature) {
    if (signature.size() != 64) return false;
    const Provider provider(BCRYPT_ECDSA_P256_ALGORITHM);
    if (provider.get() == nullptr) return false;
    // A BCRYPT_ECCKEY_BLOB: its header, then X and Y.
    std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + key.point.size());
    const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
    std::memcpy(blob.data(), &header, sizeof header);
    std::memcpy(blob.data() + sizeof header, key.point.data(), key.point.size());
    BCRYPT_KEY_HANDLE handle = nullptr;
    if (!succeeded(BCryptImportKeyPair(provider.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &handle, blob.data(),
                                       static_cast<ULONG>(blob.size()), 0)))
        return false;
    Sha256 hash = sha256(message);
    std::string copy(signature);
    const bool valid =
        BCryptVerifySignature(handle, nullptr, hash.data(), static_cast<ULONG>(hash.size()),
                              reinterpret_cast<PUCHAR>(copy.data()), static_cast<ULONG>(copy.size()), 0) == 0;
    BCryptDestroyKey(handle);
    return valid;
}

}  // namespace velmora
