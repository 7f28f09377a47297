#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/shell/passwordhash.h"
#include "core/shell/roles.h"
#include "core/strings/translation.h"
#include "store/resultstore.h"

namespace spectavo::store {

// The lab manager's rules for regulated mode, from the store settings.
struct SecurityPolicy {
    int minimumPasswordLength = 8;
    int lockoutAttempts = 5;
    int idleLockMinutes = 15;
    // The person who performed a result cannot review or approve it.
    bool separationOfDuties = true;
};

inline constexpr const char *kWrongUserOrPassword = SPECTAVO_TEXT("The user ID or password is not correct.");

// What an account operation came to: done, or refused with the words for the person.
struct AccountOutcome {
    bool done = false;
    std::string message;
    std::optional<Account> account;
    static AccountOutcome refused(std::string why) { return {false, std::move(why), std::nullopt}; }
};

// Named accounts, their passwords and roles, and electronic signatures, kept in the results store.
// Every attempt, change and refusal is an event of the trail.
class AccountBook {
public:
    AccountBook(ResultStore &store, SecurityPolicy policy,
                shell::PasswordCost cost = shell::interactiveCost());

    // Regulated mode begins with its first lab manager; only a store without accounts is set up.
    AccountOutcome setUp(const std::string &userId, const std::string &fullName, const std::string &password);

    // A wrong pair counts towards the lockout; a locked or disabled account does not log in.
    AccountOutcome logIn(const std::string &userId, const std::string &password);
    // The same check for a signature or a lock screen, under its own event kind.
    AccountOutcome authenticate(const std::string &userId, const std::string &password, const char *purpose);
    AccountOutcome changePassword(const std::string &userId, const std::string &old,
                                  const std::string &fresh);

    // The lab manager's tools: `actor` must be an active account whose role manages accounts.
    AccountOutcome addAccount(const Account &actor, const std::string &userId, const std::string &fullName,
                              shell::Role role, const std::string &password);
    AccountOutcome disable(const Account &actor, const std::string &userId);
    AccountOutcome resetPassword(const Account &actor, const std::string &userId,
                                 const std::string &password);
    AccountOutcome unlock(const Account &actor, const std::string &userId);
    AccountOutcome changeRole(const Account &actor, const std::string &userId, shell::Role role);

    // Whether the account may, with the refusal in the trail when not.
    bool allows(const Account &actor, shell::Permission permission, const std::string &what);

    // Signs a stored result: the signer's password again, the role's right to the meaning, and the
    // separation of duties.
    AccountOutcome signResult(const std::string &userId, const std::string &password, std::int64_t resultId,
                              shell::SignatureMeaning meaning, const std::string &comment);

private:
    std::optional<std::string> passwordProblem(const std::string &password) const;
    AccountOutcome manage(const Account &actor, const std::string &userId, const char *what);
    void save(const Account &account, const std::string &actor, const char *kind,
              const std::string &details = "{}");

    ResultStore &m_store;
    SecurityPolicy m_policy;
    shell::PasswordCost m_cost;
};

// "Electronically signed by %s (%s) on %s UTC: %s", with " (not valid for this content)" when the
// content is no longer what was signed.
std::string signatureLine(const Signature &signature, const std::string &currentSha256);

} // namespace spectavo::store
