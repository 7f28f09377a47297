#pragma once

#include <optional>
#include <string>

#include "core/strings/translation.h"

namespace spectavo::shell {

// Who may do what in regulated mode: each named account has one role.
enum class Role { Analyst, Reviewer, LabManager };

enum class Permission {
    Measure,
    SignPerformed,
    SignReviewed,
    SignApproved,
    ChangeMethods,
    ChangeSettings,
    ManageAccounts,
    VerifyTrail,
};

inline constexpr const char *kRoleRefusal = SPECTAVO_TEXT("Your role does not allow this.");

// The table: an analyst measures and signs what they performed; a reviewer also reviews and verifies
// the trail; a lab manager may do everything, approving included.
bool roleAllows(Role role, Permission permission);

// "Analyst", "Reviewer", "Lab manager"; the name read back, letter case ignored.
const char *roleName(Role role);
std::optional<Role> roleOfName(const std::string &name);

// The meaning of an electronic signature, and what signing with it needs.
enum class SignatureMeaning { Performed, Reviewed, Approved };
const char *meaningName(SignatureMeaning meaning); // "Performed", "Reviewed", "Approved"
std::optional<SignatureMeaning> meaningOfName(const std::string &name);
Permission permissionToSign(SignatureMeaning meaning);

} // namespace spectavo::shell
