#pragma once

#include <string>

#include "core/config/profilestore.h"

namespace spectavo::shell {

// The password rules of the login and the change-password dialogs. The password is kept in the
// application settings as plain text; an empty one means no login.
class LoginRules {
public:
    static constexpr const char *kSection = "Spectavo";
    static constexpr const char *kKey = "Password";
    static constexpr const char *kMismatch =
        "The new passwords are not the same,\nplease check and try again.";

    // Nothing to ask when no password is stored.
    static bool loginNeeded(const ProfileStore &settings);
    // Exactly the stored password, letter case included.
    static bool accepts(const ProfileStore &settings, const std::string &typed);
    // The new and confirmation fields open only while the old password matches.
    static bool oldPasswordMatches(const ProfileStore &settings, const std::string &old);
    // Stores the new password when the old one matches and the two new entries agree.
    static bool change(ProfileStore &settings, const std::string &old, const std::string &fresh,
                       const std::string &confirmation);
};

} // namespace spectavo::shell
