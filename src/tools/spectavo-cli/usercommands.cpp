#include "usercommands.h"

#include <algorithm>
#include <charconv>

#include "core/shell/roles.h"
#include "core/shell/sha256.h"
#include "credentials.h"
#include "store/accountbook.h"
#include "store/storesettings.h"
#include "storecommands.h"

namespace spectavo::cli {
namespace {

constexpr const char *kNoPasswordOption =
    "a password is never given on the command line: type it on the terminal or give --password-fd N";

// The descriptor of --password-fd, -1 for the terminal; nothing when the value is no descriptor.
std::optional<int> passwordDescriptor(const Arguments &args) {
    if (!args.has("--password-fd"))
        return -1;
    const std::string text = args.get("--password-fd");
    int descriptor = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), descriptor);
    if (error != std::errc{} || end != text.data() + text.size() || descriptor < 0)
        return std::nullopt;
    return descriptor;
}

// Everything a users or sign command works with: the store, the rules and the input of secrets.
struct AccountSession {
    std::unique_ptr<store::ResultStore> store;
    std::optional<store::AccountBook> book;
    std::optional<Credentials> input;
};

std::string openSession(const Arguments &args, AccountSession &session) {
    if (args.has("--password"))
        return kNoPasswordOption;
    const std::optional<int> descriptor = passwordDescriptor(args);
    if (!descriptor)
        return "--password-fd takes the number of an open file descriptor";
    std::string error;
    session.store = openClientStore(args, error);
    if (!session.store)
        return "the results store cannot be opened: " + error;
    session.book.emplace(*session.store, store::readStoreSettings().policy);
    session.input.emplace(*descriptor);
    return "";
}

// Asks for a user id and password and checks them; the account, or the words of the refusal.
std::string signIn(AccountSession &session, const char *who, const char *purpose, store::Account &account) {
    const std::optional<std::string> userId = session.input->ask(who, false);
    const std::optional<std::string> password =
        userId ? session.input->ask("Password: ", true) : std::nullopt;
    if (!password)
        return "no user ID and password were given (a terminal, or --password-fd N)";
    const store::AccountOutcome outcome = session.book->authenticate(*userId, *password, purpose);
    if (!outcome.done)
        return outcome.message;
    account = *outcome.account;
    return "";
}

std::string newPassword(AccountSession &session, const std::string &userId, std::string &password) {
    const std::string prompt = "New password for " + userId + ": ";
    const std::optional<std::string> typed = session.input->ask(prompt.c_str(), true);
    if (!typed)
        return "no password was given for " + userId;
    password = *typed;
    return "";
}

std::string setUp(AccountSession &session, const Arguments &args, Report &report) {
    const std::string userId = args.get("--user");
    const std::string fullName = args.get("--name");
    if (userId.empty() || fullName.empty())
        return "users setup needs --user ID and --name \"FULL NAME\" of the first lab manager";
    std::string password;
    if (std::string problem = newPassword(session, userId, password); !problem.empty())
        return problem;
    const store::AccountOutcome outcome = session.book->setUp(userId, fullName, password);
    if (!outcome.done)
        return outcome.message;
    if (!store::writeRegulatedMode())
        return "the lab manager is set up, but the settings file could not be written: set [Security] "
               "Mode=regulated in tarvesta.zav.store.ini";
    report.text("mode", "regulated");
    report.text("lab_manager", userId);
    return "";
}

std::vector<std::vector<Report::Field>> accountRows(store::ResultStore &store) {
    std::vector<std::vector<Report::Field>> rows;
    for (const store::Account &account : store.accounts())
        rows.push_back(
            {Report::textField("user_id", account.userId), Report::textField("name", account.fullName),
             Report::textField("role", account.role), Report::textField("state", account.state),
             Report::textField("must_change_password", account.mustChangePassword ? "yes" : "no")});
    return rows;
}

// The lab manager's tools, after the lab manager signed in.
std::string manage(AccountSession &session, const Arguments &args, const store::Account &manager,
                   Report &report) {
    const std::string &action = args.words[0];
    if (action == "list") {
        report.list("accounts", accountRows(*session.store));
        return "";
    }
    const std::string userId = args.words.size() > 1 ? args.words[1] : "";
    if (userId.empty())
        return "users " + action + " needs a user ID";
    store::AccountOutcome outcome;
    if (action == "add" || action == "role") {
        const std::optional<shell::Role> role = shell::roleOfName(args.get("--role", "Analyst"));
        if (!role)
            return "--role takes analyst, reviewer or labmanager";
        if (action == "role") {
            outcome = session.book->changeRole(manager, userId, *role);
        } else {
            std::string password;
            if (std::string problem = newPassword(session, userId, password); !problem.empty())
                return problem;
            outcome = session.book->addAccount(manager, userId, args.get("--name"), *role, password);
        }
    } else if (action == "reset") {
        std::string password;
        if (std::string problem = newPassword(session, userId, password); !problem.empty())
            return problem;
        outcome = session.book->resetPassword(manager, userId, password);
    } else {
        outcome = action == "disable" ? session.book->disable(manager, userId)
                                      : session.book->unlock(manager, userId);
    }
    if (!outcome.done)
        return outcome.message;
    report.list("account",
                {{Report::textField("user_id", userId), Report::textField("state", outcome.account->state),
                  Report::textField("role", outcome.account->role)}});
    return "";
}

} // namespace

std::string usersCommand(const Arguments &args, Report &report) {
    static const std::vector<std::string> kActions = {"setup", "list",   "add", "disable",
                                                      "reset", "unlock", "role"};
    const std::string action = args.words.empty() ? "" : args.words[0];
    if (std::find(kActions.begin(), kActions.end(), action) == kActions.end())
        return "users needs setup, list, add, disable, reset, unlock or role";
    AccountSession session;
    if (std::string problem = openSession(args, session); !problem.empty())
        return problem;
    try {
        if (action == "setup")
            return setUp(session, args, report);
        store::Account manager;
        if (std::string problem = signIn(session, "Lab manager's user ID: ", "account management", manager);
            !problem.empty())
            return problem;
        if (!session.book->allows(manager, shell::Permission::ManageAccounts, "users " + action))
            return shell::kRoleRefusal;
        return manage(session, args, manager, report);
    } catch (const std::exception &problem) {
        return std::string("the results store failed: ") + problem.what();
    }
}

std::string signCommand(const Arguments &args, Report &report) {
    std::int64_t id = 0;
    const std::string word = args.words.size() > 1 ? args.words[1] : "";
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (word.empty() || error != std::errc{} || end != word.data() + word.size())
        return "results sign needs a result id";
    const std::optional<shell::SignatureMeaning> meaning = shell::meaningOfName(args.get("--meaning"));
    if (!meaning)
        return "results sign needs --meaning performed, reviewed or approved";
    AccountSession session;
    if (std::string problem = openSession(args, session); !problem.empty())
        return problem;
    try {
        const std::optional<std::string> userId = session.input->ask("User ID: ", false);
        const std::optional<std::string> password =
            userId ? session.input->ask("Password: ", true) : std::nullopt;
        if (!password)
            return "no user ID and password were given (a terminal, or --password-fd N)";
        const store::AccountOutcome outcome =
            session.book->signResult(*userId, *password, id, *meaning, args.get("--comment"));
        if (!outcome.done)
            return outcome.message;
        const std::optional<store::ResultRecord> result = session.store->result(id);
        const std::vector<store::Signature> signatures = session.store->signatures("result " + word);
        report.text("signature", store::signatureLine(signatures.back(), shell::sha256Hex(result->data)));
        return "";
    } catch (const std::exception &problem) {
        return std::string("the results store failed: ") + problem.what();
    }
}

} // namespace spectavo::cli
