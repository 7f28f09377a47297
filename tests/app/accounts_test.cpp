// Regulated mode's login at the workstation: a wrong pair is said and the person tries again; a
// password the lab manager gave is changed before the program goes on.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/store/accountlogin.h"
#include "app/store/idlelock.h"
#include "app/store/resultreport.h"
#include "app/store/resultsdialog.h"
#include "app/store/signdialog.h"
#include "app/store/useraccountsdialog.h"
#include "store/sqlitestore.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

constexpr shell::PasswordCost kCheap{1, 8192};

class AccountLoginTest : public ::testing::Test {
protected:
    AccountLoginTest() : store(dir.file("results.sqlite"), "bench-7"), book(store, {}, kCheap) {
        manager = *book.setUp("lm", "Lena Meyer", "manager-pass").account;
        book.addAccount(manager, "ana", "Ana Vega", shell::Role::Analyst, "given-pass");
    }
    void type(CAccountLoginDialog &dialog, const char *userId, const char *password) {
        dialog.findChild<QLineEdit *>("userId")->setText(userId);
        dialog.findChild<QLineEdit *>("password")->setText(password);
        dialog.attempt();
    }
    // Answers each new-password dialog that opens with the next of these entries (typed twice).
    void answerNewPasswords(std::vector<QString> entries) {
        answers = std::move(entries);
        auto *answerer = new QTimer(&dialogParent);
        QObject::connect(answerer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->findChild<QLineEdit *>("newPassword") || answered >= answers.size())
                return;
            const QString entry = answers[answered++];
            dialog->findChild<QLineEdit *>("newPassword")->setText(entry);
            dialog->findChild<QLineEdit *>("confirmPassword")->setText(entry);
            emit dialog->findChild<QDialogButtonBox *>()->accepted();
        });
        answerer->start(10);
    }

    QObject dialogParent;
    std::vector<QString> answers;
    std::size_t answered = 0;
    test::TempDir dir;
    store::SqliteStore store;
    store::AccountBook book;
    store::Account manager;
    test::RecordingMessageService messages;
};

TEST_F(AccountLoginTest, AWrongPairIsSaidAndThePersonTriesAgain) {
    CAccountLoginDialog dialog(book, messages);
    type(dialog, "lm", "wrong-pass");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"The user ID or password is not correct."});
    EXPECT_TRUE(dialog.findChild<QLineEdit *>("password")->text().isEmpty()) << "the password is typed again";
    type(dialog, "lm", "manager-pass");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.account());
    EXPECT_EQ(dialog.account()->role, "Lab manager");
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(AccountLoginTest, AGivenPasswordIsChangedBeforeTheProgramGoesOn) {
    CAccountLoginDialog dialog(book, messages);
    answerNewPasswords({"short", "own-password"});
    type(dialog, "ana", "given-pass");
    EXPECT_EQ(answered, 2u) << "asked again after a refused password";
    EXPECT_EQ(messages.shown, std::vector<std::string>{"The password must have at least 8 characters."});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(store.account("ana")->mustChangePassword);
    EXPECT_TRUE(book.logIn("ana", "own-password").done);
    EXPECT_FALSE(book.logIn("ana", "given-pass").done);
}

// The Results window signs the selected result: the user ID asked at the first signing only, the
// role's refusal said while the dialog stays, the list showing the last meaning given.
TEST_F(AccountLoginTest, TheResultsWindowSignsTheSelectedResult) {
    store::ResultRecord result;
    result.kind = "wavescan";
    result.operatorName = "ana";
    result.data = "points";
    store.storeResult(result);
    CResultsDialog results(std::make_unique<store::SqliteStore>(dir.file("results.sqlite"), "bench-7"),
                           messages, dir.file("copies").c_str(), [](const QString &) {});
    results.enableSigning("ana", {}, true);
    results.table()->setCurrentCell(0, 0);

    // Acts once on the sign dialog when it shows.
    const auto answerSign = [this](int meaning, bool expectUserIdAsked, bool cancelAfter) {
        auto *watcher = new QTimer(&dialogParent);
        QObject::connect(watcher, &QTimer::timeout, [=] {
            auto *sign = dynamic_cast<CSignDialog *>(QApplication::activeModalWidget());
            if (!sign)
                return;
            watcher->stop();
            watcher->deleteLater();
            EXPECT_EQ(!sign->findChild<QLineEdit *>("userId")->isReadOnly(), expectUserIdAsked);
            sign->findChild<QLineEdit *>("password")->setText("given-pass");
            sign->findChild<QComboBox *>("meaning")->setCurrentIndex(meaning);
            sign->attempt();
            EXPECT_EQ(sign->isVisible(), cancelAfter) << "signed at once, or refused and still open";
            if (sign->isVisible())
                sign->reject();
        });
        watcher->start(10);
    };
    // The given password was never changed, and that does not matter for signing.
    answerSign(0, true, false);
    EXPECT_TRUE(results.signSelected());
    EXPECT_EQ(results.table()->item(0, 8)->text(), "Performed");
    answerSign(2, false, true);
    EXPECT_FALSE(results.signSelected());
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Your role does not allow this."});
    ASSERT_EQ(store.signatures("result 1").size(), 1u);
    EXPECT_EQ(store.signatures("result 1")[0].fullName, "Ana Vega");

    // Review: the list by the last signature's meaning.
    result.resultId.clear();
    store.storeResult(result);
    results.showSigned(std::string());
    ASSERT_EQ(results.table()->rowCount(), 1) << "unsigned";
    EXPECT_EQ(results.table()->item(0, 0)->text(), "2");
    results.showSigned(std::string("Performed"));
    ASSERT_EQ(results.table()->rowCount(), 1);
    EXPECT_EQ(results.table()->item(0, 0)->text(), "1");
    results.showSigned(std::string("Reviewed"));
    EXPECT_EQ(results.table()->rowCount(), 0);
    results.showSigned(std::nullopt);
    EXPECT_EQ(results.table()->rowCount(), 2);
}

// The lab manager's accounts window: each tool changes the account and the list; another role's
// hands get the refusal and change nothing.
TEST_F(AccountLoginTest, TheAccountsWindowManagesAccountsForALabManagerOnly) {
    CUserAccountsDialog accounts(std::make_unique<store::SqliteStore>(dir.file("results.sqlite"), "bench-7"),
                                 {}, manager, messages);
    ASSERT_EQ(accounts.table()->rowCount(), 2);
    ASSERT_TRUE(accounts.addAccount("bo", "Bo Lind", shell::Role::Reviewer, "first-pass"));
    ASSERT_EQ(accounts.table()->rowCount(), 3);
    EXPECT_EQ(accounts.table()->item(1, 2)->text(), "Reviewer");
    accounts.table()->setCurrentCell(1, 0);
    ASSERT_TRUE(accounts.disableSelected());
    EXPECT_EQ(accounts.table()->item(1, 3)->text(), "disabled");
    EXPECT_FALSE(accounts.unlockSelected());
    EXPECT_EQ(messages.shown, std::vector<std::string>{"The account bo is not locked."});

    CUserAccountsDialog asAnalyst(std::make_unique<store::SqliteStore>(dir.file("results.sqlite"), "bench-7"),
                                  {}, *store.account("ana"), messages);
    EXPECT_FALSE(asAnalyst.addAccount("cy", "Cy Holm", shell::Role::Analyst, "first-pass"));
    EXPECT_EQ(messages.shown.back(), "Your role does not allow this.");
    EXPECT_FALSE(store.account("cy"));
}

// Performed by the analyst, reviewed by the reviewer: the result's report shows both signatures, and
// the trail's head under them.
TEST_F(AccountLoginTest, TheResultReportShowsEachSignature) {
    book.addAccount(manager, "rui", "Rui Reis", shell::Role::Reviewer, "reviewer-pass");
    store::ResultRecord result;
    result.kind = "fixed";
    result.sample = "Std 20 mg/l";
    result.operatorName = "ana";
    result.data = "{}";
    store.storeResult(result);
    ASSERT_TRUE(book.signResult("ana", "given-pass", 1, shell::SignatureMeaning::Performed, "").done);
    ASSERT_TRUE(
        book.signResult("rui", "reviewer-pass", 1, shell::SignatureMeaning::Reviewed, "checked").done);
    CResultsDialog results(std::make_unique<store::SqliteStore>(dir.file("results.sqlite"), "bench-7"),
                           messages, dir.file("copies").c_str(), [](const QString &) {});
    results.table()->setCurrentCell(0, 0);
    ASSERT_TRUE(
        results.reportSelected(dir.file("result.pdf").c_str(), "Audit trail: event 9, 0123456789abcdef"));
    ASSERT_EQ(
        std::system(("pdftotext -layout " + dir.file("result.pdf") + " " + dir.file("result.txt")).c_str()),
        0);
    const std::string text = test::readBytes(dir.file("result.txt"));
    EXPECT_NE(text.find("Electronically signed by Ana Vega (ana) on "), std::string::npos) << text;
    EXPECT_NE(text.find("UTC: Performed"), std::string::npos) << text;
    EXPECT_NE(text.find("Electronically signed by Rui Reis (rui) on "), std::string::npos) << text;
    EXPECT_NE(text.find("UTC: Reviewed"), std::string::npos) << text;
    EXPECT_EQ(text.find("not valid for this content"), std::string::npos) << text;
    EXPECT_NE(text.find("Audit trail: event 9, 0123456789abcdef"), std::string::npos) << text;

    // The same signature over other content is not valid for it.
    store::ResultRecord changed = *store.result(1);
    changed.data = "{ }";
    const auto lines = resultReportLines(changed, store.signatures("result 1"), "");
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [](const std::string &line) {
                               return line.find("UTC: Performed (not valid for this content)") !=
                                      std::string::npos;
                           }),
              lines.end());
}

// The lock gives way to a password only: Escape, the close box and a wrong password keep it.
TEST_F(AccountLoginTest, TheLockScreenOpensOnlyToAPassword) {
    CLockDialog lock(book, messages, *store.account("ana"));
    lock.show();
    lock.reject();
    lock.close();
    EXPECT_TRUE(lock.isVisible());
    lock.findChild<QLineEdit *>("password")->setText("wrong-pass");
    lock.attempt();
    EXPECT_TRUE(lock.isVisible());
    EXPECT_EQ(messages.shown, std::vector<std::string>{"The user ID or password is not correct."});
    lock.findChild<QLineEdit *>("password")->setText("given-pass");
    lock.attempt();
    EXPECT_EQ(lock.result(), QDialog::Accepted);
    EXPECT_FALSE(lock.loggedOut());
}

} // namespace
} // namespace spectavo::app
