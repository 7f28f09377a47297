#include "store/accountbook.h"

#include "core/shell/sha256.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"
#include "store/jsontext.h"

namespace spectavo::store {
namespace {

bool active(const Account &account) {
    return account.state == "active";
}

AccountOutcome doneWith(const Account &account) {
    return {true, "", account};
}

} // namespace

AccountBook::AccountBook(ResultStore &store, SecurityPolicy policy, shell::PasswordCost cost)
    : m_store(store), m_policy(policy), m_cost(cost) {}

std::optional<std::string> AccountBook::passwordProblem(const std::string &password) const {
    if (static_cast<int>(password.size()) < m_policy.minimumPasswordLength)
        return strings::trFormat("The password must have at least %d characters.",
                                 m_policy.minimumPasswordLength);
    return std::nullopt;
}

void AccountBook::save(const Account &account, const std::string &actor, const char *kind,
                       const std::string &details) {
    m_store.saveAccount(account, {actor, kind, account.userId, details});
}

AccountOutcome AccountBook::setUp(const std::string &userId, const std::string &fullName,
                                  const std::string &password) {
    if (!m_store.accounts().empty())
        return AccountOutcome::refused(
            SPECTAVO_TEXT("Regulated mode is set up already: a lab manager adds the accounts."));
    if (const auto problem = passwordProblem(password))
        return AccountOutcome::refused(*problem);
    Account first{userId,
                  fullName,
                  shell::roleName(shell::Role::LabManager),
                  "active",
                  shell::hashPassword(password, m_cost),
                  false,
                  0,
                  ""};
    save(first, userId, "regulated mode on", jsonObject({{"role", first.role}}));
    return doneWith(first);
}

AccountOutcome AccountBook::authenticate(const std::string &userId, const std::string &password,
                                         const char *purpose) {
    std::optional<Account> account = m_store.account(userId);
    if (!account) {
        m_store.appendEvent({userId, "failed login", userId, jsonObject({{"purpose", purpose}})});
        return AccountOutcome::refused(kWrongUserOrPassword);
    }
    if (account->state == "disabled" || account->state == "locked") {
        m_store.appendEvent(
            {userId, "failed login", userId, jsonObject({{"purpose", purpose}, {"state", account->state}})});
        return AccountOutcome::refused(
            account->state == "locked" ? strings::trFormat("The account %s is locked; a lab manager can "
                                                           "unlock it.",
                                                           userId.c_str())
                                       : strings::trFormat("The account %s is disabled.", userId.c_str()));
    }
    if (!shell::verifyPassword(account->passwordHash, password)) {
        ++account->failedAttempts;
        const bool locks = account->failedAttempts >= m_policy.lockoutAttempts;
        if (locks)
            account->state = "locked";
        save(
            *account, userId, locks ? "account locked" : "failed login",
            jsonObject({{"purpose", purpose}, {"failed_attempts", std::to_string(account->failedAttempts)}}));
        return AccountOutcome::refused(kWrongUserOrPassword);
    }
    if (account->failedAttempts != 0) {
        account->failedAttempts = 0;
        save(*account, userId, purpose);
    } else {
        m_store.appendEvent({userId, purpose, userId});
    }
    return doneWith(*account);
}

AccountOutcome AccountBook::logIn(const std::string &userId, const std::string &password) {
    return authenticate(userId, password, "login");
}

AccountOutcome AccountBook::changePassword(const std::string &userId, const std::string &old,
                                           const std::string &fresh) {
    AccountOutcome checked = authenticate(userId, old, "password check");
    if (!checked.done)
        return checked;
    if (const auto problem = passwordProblem(fresh))
        return AccountOutcome::refused(*problem);
    Account account = *checked.account;
    account.passwordHash = shell::hashPassword(fresh, m_cost);
    account.mustChangePassword = false;
    save(account, userId, "password changed");
    return doneWith(account);
}

bool AccountBook::allows(const Account &actor, shell::Permission permission, const std::string &what) {
    const auto role = shell::roleOfName(actor.role);
    if (active(actor) && role && shell::roleAllows(*role, permission))
        return true;
    m_store.appendEvent({actor.userId, "refused", what, jsonObject({{"role", actor.role}})});
    return false;
}

AccountOutcome AccountBook::manage(const Account &actor, const std::string &userId, const char *what) {
    if (!allows(actor, shell::Permission::ManageAccounts, std::string(what) + " " + userId))
        return AccountOutcome::refused(shell::kRoleRefusal);
    const std::optional<Account> account = m_store.account(userId);
    if (!account)
        return AccountOutcome::refused(strings::trFormat("There is no account %s.", userId.c_str()));
    return doneWith(*account);
}

AccountOutcome AccountBook::addAccount(const Account &actor, const std::string &userId,
                                       const std::string &fullName, shell::Role role,
                                       const std::string &password) {
    if (!allows(actor, shell::Permission::ManageAccounts, "add account " + userId))
        return AccountOutcome::refused(shell::kRoleRefusal);
    if (userId.empty() || fullName.empty())
        return AccountOutcome::refused(SPECTAVO_TEXT("An account needs a user ID and a full name."));
    if (m_store.account(userId))
        return AccountOutcome::refused(strings::trFormat(
            "The user ID %s was used before; a user ID is never used again.", userId.c_str()));
    if (const auto problem = passwordProblem(password))
        return AccountOutcome::refused(*problem);
    // The person changes the password the lab manager gave at the first login.
    Account account{
        userId, fullName, shell::roleName(role), "active", shell::hashPassword(password, m_cost), true,
        0,      ""};
    save(account, actor.userId, "account added",
         jsonObject({{"full_name", fullName}, {"role", account.role}}));
    return doneWith(account);
}

AccountOutcome AccountBook::disable(const Account &actor, const std::string &userId) {
    AccountOutcome found = manage(actor, userId, "disable");
    if (!found.done)
        return found;
    found.account->state = "disabled";
    save(*found.account, actor.userId, "account disabled");
    return found;
}

AccountOutcome AccountBook::resetPassword(const Account &actor, const std::string &userId,
                                          const std::string &password) {
    AccountOutcome found = manage(actor, userId, "reset");
    if (!found.done)
        return found;
    if (const auto problem = passwordProblem(password))
        return AccountOutcome::refused(*problem);
    found.account->passwordHash = shell::hashPassword(password, m_cost);
    found.account->mustChangePassword = true;
    save(*found.account, actor.userId, "password reset");
    return found;
}

AccountOutcome AccountBook::unlock(const Account &actor, const std::string &userId) {
    AccountOutcome found = manage(actor, userId, "unlock");
    if (!found.done)
        return found;
    if (found.account->state != "locked")
        return AccountOutcome::refused(strings::trFormat("The account %s is not locked.", userId.c_str()));
    found.account->state = "active";
    found.account->failedAttempts = 0;
    save(*found.account, actor.userId, "account unlocked");
    return found;
}

AccountOutcome AccountBook::changeRole(const Account &actor, const std::string &userId, shell::Role role) {
    AccountOutcome found = manage(actor, userId, "change role");
    if (!found.done)
        return found;
    const std::string old = found.account->role;
    found.account->role = shell::roleName(role);
    save(*found.account, actor.userId, "role changed",
         jsonObject({{"old", old}, {"new", found.account->role}}));
    return found;
}

AccountOutcome AccountBook::signResult(const std::string &userId, const std::string &password,
                                       std::int64_t resultId, shell::SignatureMeaning meaning,
                                       const std::string &comment) {
    AccountOutcome signer = authenticate(userId, password, "signature password");
    if (!signer.done)
        return signer;
    const std::string target = "result " + std::to_string(resultId);
    if (!allows(*signer.account, shell::permissionToSign(meaning), "sign " + target))
        return AccountOutcome::refused(shell::kRoleRefusal);
    const std::optional<ResultRecord> result = m_store.result(resultId);
    if (!result)
        return AccountOutcome::refused(
            strings::formatC("There is no result %lld.", static_cast<long long>(resultId)));
    if (m_policy.separationOfDuties && meaning != shell::SignatureMeaning::Performed &&
        result->operatorName == userId) {
        m_store.appendEvent(
            {userId, "refused", "sign " + target, jsonObject({{"reason", "separation of duties"}})});
        return AccountOutcome::refused(
            SPECTAVO_TEXT("The person who performed a result cannot review or approve it."));
    }
    const Signature signature{0,
                              target,
                              shell::sha256Hex(result->data),
                              userId,
                              signer.account->fullName,
                              shell::meaningName(meaning),
                              comment,
                              ""};
    m_store.storeSignature(signature, {userId, "signature", target,
                                       jsonObject({{"meaning", signature.meaning},
                                                   {"comment", comment},
                                                   {"sha256", signature.contentSha256}})});
    return signer;
}

std::string signatureLine(const Signature &signature, const std::string &currentSha256) {
    // "2026-12-11T14:05:32.123Z" as "2026-12-11 14:05:32"
    std::string when = signature.utc.substr(0, 19);
    if (when.size() > 10 && when[10] == 'T')
        when[10] = ' ';
    std::string line =
        strings::formatC("Electronically signed by %s (%s) on %s UTC: %s", signature.fullName.c_str(),
                         signature.userId.c_str(), when.c_str(), signature.meaning.c_str());
    if (signature.contentSha256 != currentSha256)
        line += " (not valid for this content)";
    return line;
}

} // namespace spectavo::store
