#pragma once

#include <string>

#include "core/config/profilestore.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

// The password rules of the login and the change-password dialogs. The password is kept in the
// application settings as an Argon2id hash; the older forms (a salted SHA-256, plain text) are still
// accepted once and replaced at that login. An empty one means no login.
class LoginRules {
public:
    static constexpr const char *kSection = "Spectavo";
    static constexpr const char *kKey = "Password";
    static constexpr const char *kWrongPassword = SPECTAVO_TEXT("The password is not correct.");
    static constexpr const char *kMismatch =
        SPECTAVO_TEXT("The new passwords are not the same,\nplease check and try again.");

    // Nothing to ask when no password is stored.
    static bool loginNeeded(const ProfileStore &settings);
    // Exactly the stored password, letter case included. A password accepted in an older form is
    // stored again as Argon2id.
    static bool accepts(ProfileStore &settings, const std::string &typed);
    // The new and confirmation fields open only while the old password matches.
    static bool oldPasswordMatches(const ProfileStore &settings, const std::string &old);
    // Stores the new password, as a salted hash, when the old one matches and the two new entries agree.
    // An empty new password removes the login.
    static bool change(ProfileStore &settings, const std::string &old, const std::string &fresh,
                       const std::string &confirmation);

    // The stored form of a password: Argon2id ("$argon2id$..."). Older installations kept
    // "sha256$<salt>$<hex of sha256(salt + password)>" (`sha256Form`), and before that plain text.
    static std::string hashed(const std::string &password);
    static std::string sha256Form(const std::string &password, const std::string &salt);
    static bool matches(const std::string &stored, const std::string &typed);
};

} // namespace spectavo::shell
