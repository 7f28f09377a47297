#include "core/shell/login.h"

#include <fstream>
#include <random>

#include "core/shell/sha256.h"
#include "core/strings/cformat.h"

namespace spectavo::shell {
namespace {

constexpr const char *kPrefix = "sha256$";
// The stored form is longer than the typed limits; it is read whole.
constexpr std::size_t kStoredLimit = 200;

std::string newSalt() {
    std::array<unsigned char, 8> bytes{};
    std::ifstream random("/dev/urandom", std::ios::binary);
    if (!random.read(reinterpret_cast<char *>(bytes.data()), bytes.size())) {
        std::random_device device;
        for (unsigned char &byte : bytes)
            byte = static_cast<unsigned char>(device());
    }
    std::string salt;
    for (unsigned char byte : bytes)
        salt += strings::formatC("%02x", byte);
    return salt;
}

std::string stored(const ProfileStore &settings) {
    return settings.GetString(LoginRules::kSection, LoginRules::kKey, "", kStoredLimit);
}

} // namespace

std::string LoginRules::hashed(const std::string &password, const std::string &salt) {
    return kPrefix + salt + "$" + sha256Hex(salt + password);
}

bool LoginRules::matches(const std::string &storedValue, const std::string &typed) {
    if (storedValue.rfind(kPrefix, 0) == 0) {
        const std::size_t dollar = storedValue.find('$', 7);
        if (dollar == std::string::npos)
            return false;
        return hashed(typed, storedValue.substr(7, dollar - 7)) == storedValue;
    }
    return storedValue == typed; // plain text of an older installation
}

bool LoginRules::loginNeeded(const ProfileStore &settings) {
    return !stored(settings).empty();
}

bool LoginRules::accepts(const ProfileStore &settings, const std::string &typed) {
    return matches(stored(settings), typed);
}

bool LoginRules::oldPasswordMatches(const ProfileStore &settings, const std::string &old) {
    const std::string current = stored(settings);
    return current.empty() ? old.empty() : matches(current, old);
}

bool LoginRules::change(ProfileStore &settings, const std::string &old, const std::string &fresh,
                        const std::string &confirmation) {
    if (!oldPasswordMatches(settings, old) || fresh != confirmation)
        return false;
    return settings.PutString(kSection, kKey, fresh.empty() ? std::string{} : hashed(fresh, newSalt()));
}

} // namespace spectavo::shell
