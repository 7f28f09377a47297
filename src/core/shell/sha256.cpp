#include "core/shell/sha256.h"

#include <sodium.h>

namespace spectavo::shell {

std::string sha256Hex(std::string_view data) {
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char *>(data.data()), data.size());
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * sizeof digest);
    for (const unsigned char byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

} // namespace spectavo::shell
