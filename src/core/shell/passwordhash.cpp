#include "core/shell/passwordhash.h"

#include <stdexcept>

#include <sodium.h>

namespace spectavo::shell {
namespace {

void startSodium() {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
}

} // namespace

PasswordCost interactiveCost() {
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

std::string hashPassword(const std::string &password, PasswordCost cost) {
    startSodium();
    char stored[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(stored, password.data(), password.size(), cost.operations, cost.memoryBytes,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("not enough memory to hash a password");
    return stored;
}

bool isArgon2id(const std::string &stored) {
    return stored.rfind("$argon2id$", 0) == 0 && stored.size() < crypto_pwhash_STRBYTES;
}

bool verifyPassword(const std::string &stored, const std::string &typed) {
    if (!isArgon2id(stored))
        return false;
    startSodium();
    return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

} // namespace spectavo::shell
