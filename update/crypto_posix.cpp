// SHA-256 and ECDSA through OpenSSL's libcrypto, the platform's own here.
#include <openssl/ecdsa.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <openssl/x509.h>

#include <memory>

#include "update/crypto.h"

namespace velmora {

Sha256 sha256(std::string_view bytes) {
    Sha256 hash{};
    SHA256(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), hash.data());
    return hash;
}

bool verifySignature(const PublicKey& key, std::string_view message, std::string_view signature) {
    if (signature.size() != 64) return false;
    const std::string der = subjectPublicKeyInfo(key);
    const unsigned char* cursor = reinterpret_cast<const unsigned char*>(der.data());
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> pkey(
        d2i_PUBKEY(nullptr, &cursor, static_cast<long>(der.size())), EVP_PKEY_free);
    if (!pkey) return false;
    // OpenSSL takes the signature as DER: r and s made integers first.
    const std::unique_ptr<ECDSA_SIG, decltype(&ECDSA_SIG_free)> sig(ECDSA_SIG_new(), ECDSA_SIG_free);
    const auto* raw = reinterpret_cast<const unsigned char*>(signature.data());
    BIGNUM* r = BN_bin2bn(raw, 32, nullptr);
    BIGNUM* s = BN_bin2bn(raw + 32, 32, nullptr);
    if (!sig || r == nullptr || s == nullptr || ECDSA_SIG_set0(sig.get(), r, s) != 1) {
        BN_free(r);
        BN_free(s);
        return false;
    }
    unsigned char* encoded = nullptr;
    const int encodedSize = i2d_ECDSA_SIG(sig.get(), &encoded);
    if (encodedSize <= 0) return false;
    const std::unique_ptr<unsigned char, void (*)(unsigned char*)> encodedOwner(
        encoded, [](unsigned char* p) { OPENSSL_free(p); });
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    return context && EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha256(), nullptr, pkey.get()) == 1 &&
           EVP_DigestVerify(context.get(), encoded, static_cast<std::size_t>(encodedSize),
                            reinterpret_cast<const unsigned char*>(message.data()), message.size()) == 1;
}

}  // namespace velmora
