#include <gtest/gtest.h>

#include "store/accountbook.h"
#include "store/sqlitestore.h"
#include "support/tempdir.h"

namespace spectavo::store {
namespace {

using shell::Role;
using shell::SignatureMeaning;

// The smallest Argon2id cost: these tests are about the rules, not the hash's strength.
constexpr shell::PasswordCost kCheap{1, 8192};

class AccountBookTest : public ::testing::Test {
protected:
    AccountBookTest() : store(dir.file("results.sqlite"), "bench-7"), book(store, {}, kCheap) {
        manager = *book.setUp("lm", "Lena Meyer", "manager-pass").account;
    }
    std::vector<std::string> eventKinds() {
        std::vector<std::string> kinds;
        store.visitEvents({}, [&kinds](const AuditEvent &event) {
            kinds.push_back(event.kind);
            return true;
        });
        return kinds;
    }
    std::int64_t resultBy(const std::string &operatorName) {
        ResultRecord result;
        result.kind = "fixed";
        result.operatorName = operatorName;
        result.data = "{\"abs\": 0.5}";
        return store.storeResult(result).id;
    }

    test::TempDir dir;
    SqliteStore store;
    AccountBook book;
    Account manager;
};

TEST_F(AccountBookTest, RegulatedModeStartsWithOneLabManagerAndEveryAttemptIsInTheTrail) {
    EXPECT_EQ(manager.role, "Lab manager");
    EXPECT_FALSE(manager.mustChangePassword);
    EXPECT_FALSE(book.setUp("other", "Other", "other-pass").done) << "set up once";
    EXPECT_EQ(book.logIn("lm", "wrong-pass").message, "The user ID or password is not correct.");
    EXPECT_EQ(book.logIn("nobody", "manager-pass").message, "The user ID or password is not correct.")
        << "an unknown user id is not told apart";
    EXPECT_TRUE(book.logIn("lm", "manager-pass").done);
    EXPECT_EQ(store.account("lm")->failedAttempts, 0) << "a good login clears the count";
    EXPECT_EQ(eventKinds(),
              (std::vector<std::string>{"regulated mode on", "failed login", "failed login", "login"}));
    EXPECT_TRUE(verifyTrail(store).holds);
}

TEST_F(AccountBookTest, FiveWrongPasswordsLockUntilALabManagerUnlocks) {
    ASSERT_TRUE(book.addAccount(manager, "ana", "Ana Vega", Role::Analyst, "analyst-pass").done);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(book.logIn("ana", "guess " + std::to_string(i)).done);
    EXPECT_EQ(store.account("ana")->state, "locked");
    EXPECT_EQ(book.logIn("ana", "analyst-pass").message,
              "The account ana is locked; a lab manager can unlock it.");

    ASSERT_TRUE(book.addAccount(manager, "rui", "Rui Reis", Role::Reviewer, "reviewer-pass").done);
    const Account reviewer = *store.account("rui");
    EXPECT_EQ(book.unlock(reviewer, "ana").message, "Your role does not allow this.");
    EXPECT_TRUE(book.unlock(manager, "ana").done);
    EXPECT_TRUE(book.logIn("ana", "analyst-pass").done);
    const std::vector<std::string> kinds = eventKinds();
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "account locked"), 1);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "refused"), 1);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "account unlocked"), 1);
}

TEST_F(AccountBookTest, AUserIdIsNeverUsedAgainAndPasswordsFollowTheRules) {
    EXPECT_EQ(book.addAccount(manager, "ana", "Ana Vega", Role::Analyst, "short").message,
              "The password must have at least 8 characters.");
    ASSERT_TRUE(book.addAccount(manager, "ana", "Ana Vega", Role::Analyst, "analyst-pass").done);
    EXPECT_TRUE(store.account("ana")->mustChangePassword) << "the first login changes it";
    ASSERT_TRUE(book.disable(manager, "ana").done);
    EXPECT_EQ(book.logIn("ana", "analyst-pass").message, "The account ana is disabled.");
    EXPECT_EQ(book.addAccount(manager, "ana", "Ana Other", Role::Analyst, "analyst-pass").message,
              "The user ID ana was used before; a user ID is never used again.");

    ASSERT_TRUE(book.addAccount(manager, "bo", "Bo Lind", Role::Analyst, "first-pass").done);
    EXPECT_FALSE(book.changePassword("bo", "first-pass", "short").done);
    ASSERT_TRUE(book.changePassword("bo", "first-pass", "second-pass").done);
    EXPECT_FALSE(store.account("bo")->mustChangePassword);
    ASSERT_TRUE(book.resetPassword(manager, "bo", "third-pass").done);
    EXPECT_TRUE(store.account("bo")->mustChangePassword);
    EXPECT_TRUE(book.logIn("bo", "third-pass").done);
    ASSERT_TRUE(book.changeRole(manager, "bo", Role::Reviewer).done);
    EXPECT_EQ(store.account("bo")->role, "Reviewer");
    EXPECT_TRUE(verifyTrail(store).holds);
}

// Performed by the analyst, reviewed by a reviewer; the analyst cannot approve, nor can a reviewer
// review what they performed themselves.
TEST_F(AccountBookTest, SignaturesFollowTheRolesAndTheSeparationOfDuties) {
    ASSERT_TRUE(book.addAccount(manager, "ana", "Ana Vega", Role::Analyst, "analyst-pass").done);
    ASSERT_TRUE(book.addAccount(manager, "rui", "Rui Reis", Role::Reviewer, "reviewer-pass").done);
    const std::int64_t byAna = resultBy("ana");
    EXPECT_TRUE(book.signResult("ana", "analyst-pass", byAna, SignatureMeaning::Performed, "").done);
    EXPECT_EQ(book.signResult("ana", "analyst-pass", byAna, SignatureMeaning::Approved, "").message,
              "Your role does not allow this.");
    EXPECT_EQ(book.signResult("ana", "wrong-pass", byAna, SignatureMeaning::Performed, "").message,
              "The user ID or password is not correct.");
    EXPECT_TRUE(book.signResult("rui", "reviewer-pass", byAna, SignatureMeaning::Reviewed, "checked").done);

    const std::int64_t byRui = resultBy("rui");
    EXPECT_EQ(book.signResult("rui", "reviewer-pass", byRui, SignatureMeaning::Reviewed, "").message,
              "The person who performed a result cannot review or approve it.");
    AccountBook lenient(store, {.separationOfDuties = false}, kCheap);
    EXPECT_TRUE(lenient.signResult("rui", "reviewer-pass", byRui, SignatureMeaning::Reviewed, "").done);

    const std::string target = "result " + std::to_string(byAna);
    const std::vector<Signature> signatures = store.signatures(target);
    ASSERT_EQ(signatures.size(), 2u);
    const std::string sha = store.result(byAna)->sha256;
    EXPECT_EQ(signatures[1].contentSha256, sha);
    EXPECT_EQ(signatureLine(signatures[1], sha), "Electronically signed by Rui Reis (rui) on " +
                                                     signatures[1].utc.substr(0, 10) + " " +
                                                     signatures[1].utc.substr(11, 8) + " UTC: Reviewed");
    std::string changed = sha;
    changed[0] = changed[0] == '0' ? '1' : '0';
    EXPECT_EQ(signatureLine(signatures[1], changed).substr(signatureLine(signatures[1], sha).size()),
              " (not valid for this content)")
        << "one changed byte of the content";
    EXPECT_TRUE(verifyTrail(store).holds);
}

} // namespace
} // namespace spectavo::store
