#include "core/shell/roles.h"

#include <algorithm>
#include <cctype>

namespace spectavo::shell {
namespace {

bool sameLetters(std::string a, std::string b) {
    const auto lower = [](std::string &text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    };
    lower(a);
    lower(b);
    return a == b;
}

} // namespace

bool roleAllows(Role role, Permission permission) {
    switch (role) {
    case Role::LabManager:
        return true;
    case Role::Reviewer:
        return permission == Permission::Measure || permission == Permission::SignPerformed ||
               permission == Permission::SignReviewed || permission == Permission::VerifyTrail;
    case Role::Analyst:
        return permission == Permission::Measure || permission == Permission::SignPerformed;
    }
    return false;
}

const char *roleName(Role role) {
    switch (role) {
    case Role::Reviewer:
        return "Reviewer";
    case Role::LabManager:
        return "Lab manager";
    case Role::Analyst:
        break;
    }
    return "Analyst";
}

std::optional<Role> roleOfName(const std::string &name) {
    for (const Role role : {Role::Analyst, Role::Reviewer, Role::LabManager})
        if (sameLetters(name, roleName(role)) || (role == Role::LabManager && sameLetters(name, "labmanager")))
            return role;
    return std::nullopt;
}

const char *meaningName(SignatureMeaning meaning) {
    switch (meaning) {
    case SignatureMeaning::Reviewed:
        return "Reviewed";
    case SignatureMeaning::Approved:
        return "Approved";
    case SignatureMeaning::Performed:
        break;
    }
    return "Performed";
}

std::optional<SignatureMeaning> meaningOfName(const std::string &name) {
    for (const SignatureMeaning meaning :
         {SignatureMeaning::Performed, SignatureMeaning::Reviewed, SignatureMeaning::Approved})
        if (sameLetters(name, meaningName(meaning)))
            return meaning;
    return std::nullopt;
}

Permission permissionToSign(SignatureMeaning meaning) {
    switch (meaning) {
    case SignatureMeaning::Reviewed:
        return Permission::SignReviewed;
    case SignatureMeaning::Approved:
        return Permission::SignApproved;
    case SignatureMeaning::Performed:
        break;
    }
    return Permission::SignPerformed;
}

} // namespace spectavo::shell
