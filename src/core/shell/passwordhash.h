#pragma once

#include <cstddef>
#include <string>

namespace spectavo::shell {

// Argon2id, in the form libsodium and the reference tools write: "$argon2id$v=19$m=...,t=...,p=1$
// <salt>$<hash>". A slow, memory-hard hash is what passwords need; a fast one (SHA-256) lets a
// stolen settings file be tried at billions of guesses a second.
struct PasswordCost {
    unsigned long long operations;
    std::size_t memoryBytes;
};
// libsodium's interactive limits (64 MiB): a login or a signature waits a fraction of a second.
PasswordCost interactiveCost();

std::string hashPassword(const std::string &password, PasswordCost cost = interactiveCost());
// Whether the stored Argon2id form is this password's; false for anything else.
bool verifyPassword(const std::string &stored, const std::string &typed);
bool isArgon2id(const std::string &stored);

} // namespace spectavo::shell
