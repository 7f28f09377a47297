#include "core/shell/login.h"

namespace spectavo::shell {

bool LoginRules::loginNeeded(const ProfileStore &settings) {
    return !settings.GetString(kSection, kKey, "", 100).empty();
}

bool LoginRules::accepts(const ProfileStore &settings, const std::string &typed) {
    return settings.GetString(kSection, kKey, "", 100) == typed;
}

bool LoginRules::oldPasswordMatches(const ProfileStore &settings, const std::string &old) {
    return settings.GetString(kSection, kKey, "", 20) == old;
}

bool LoginRules::change(ProfileStore &settings, const std::string &old, const std::string &fresh,
                        const std::string &confirmation) {
    if (!oldPasswordMatches(settings, old) || fresh != confirmation)
        return false;
    return settings.PutString(kSection, kKey, fresh);
}

} // namespace spectavo::shell
