#include "core/shell/login.h"

#include "core/shell/passwordhash.h"
#include "core/shell/sha256.h"

namespace spectavo::shell {
namespace {

constexpr const char *kPrefix = "sha256$";
// The stored form is longer than the typed limits; it is read whole.
constexpr std::size_t kStoredLimit = 200;

std::string stored(const ProfileStore &settings) {
    return settings.GetString(LoginRules::kSection, LoginRules::kKey, "", kStoredLimit);
}

} // namespace

std::string LoginRules::hashed(const std::string &password) {
    return hashPassword(password);
}

std::string LoginRules::sha256Form(const std::string &password, const std::string &salt) {
    return kPrefix + salt + "$" + sha256Hex(salt + password);
}

bool LoginRules::matches(const std::string &storedValue, const std::string &typed) {
    if (isArgon2id(storedValue))
        return verifyPassword(storedValue, typed);
    if (storedValue.rfind(kPrefix, 0) == 0) {
        const std::size_t dollar = storedValue.find('$', 7);
        if (dollar == std::string::npos)
            return false;
        return sha256Form(typed, storedValue.substr(7, dollar - 7)) == storedValue;
    }
    return storedValue == typed; // plain text of an older installation
}

bool LoginRules::loginNeeded(const ProfileStore &settings) {
    return !stored(settings).empty();
}

bool LoginRules::accepts(ProfileStore &settings, const std::string &typed) {
    const std::string current = stored(settings);
    if (!matches(current, typed))
        return false;
    if (!isArgon2id(current))
        settings.PutString(kSection, kKey, hashed(typed));
    return true;
}

bool LoginRules::oldPasswordMatches(const ProfileStore &settings, const std::string &old) {
    const std::string current = stored(settings);
    return current.empty() ? old.empty() : matches(current, old);
}

bool LoginRules::change(ProfileStore &settings, const std::string &old, const std::string &fresh,
                        const std::string &confirmation) {
    if (!oldPasswordMatches(settings, old) || fresh != confirmation)
        return false;
    return settings.PutString(kSection, kKey, fresh.empty() ? std::string{} : hashed(fresh));
}

} // namespace spectavo::shell
