#include <filesystem>
// Service dialogs against the scripted hub, so the exact command bytes they send can be checked.

#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include "app/shell/servicedialogs.h"
#include "core/link/commands.h"
#include "support/linkfixture.h"

namespace spectavo::app {
namespace {

using test::SentCommand;

QPushButton *button(QWidget &dialog, const QString &text) {
    for (QPushButton *b : dialog.findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

TEST(AmplifierDialog, OpensAtTheCurrentLevelAndCancelSendsTheCancelValue) {
    test::LinkFixture fixture;
    fixture.link->status().amplifierSetting = 0x44;
    CAmplifierDialog dialog(*fixture.link, nullptr, true);
    EXPECT_EQ(dialog.findChild<QSlider *>()->value(), 4);
    button(dialog, "&Cancel")->click();
    EXPECT_EQ(test::sentCommands(),
              (std::vector<SentCommand>{{link::kSetAmplifier, {0x44}}, {link::kSetAmplifier, {0xFF}}}));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(AmplifierDialog, OkSendsTheChosenLevelAndNoCancel) {
    test::LinkFixture fixture;
    CAmplifierDialog dialog(*fixture.link, nullptr, true);
    dialog.findChild<QSlider *>()->setValue(7);
    button(dialog, "&OK")->click();
    const auto sent = test::sentCommands();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), (SentCommand{link::kSetAmplifier, {0x77}}));
    for (const SentCommand &command : sent)
        EXPECT_NE(command.data, std::vector<std::uint8_t>{0xFF});
}

TEST(AmplifierDialog, ClosingTheWindowDropsTheTrialLikeCancel) {
    test::LinkFixture fixture;
    CAmplifierDialog dialog(*fixture.link, nullptr, false);
    EXPECT_FALSE(button(dialog, "&OK")->isVisibleTo(&dialog)) << "opened from the status window";
    dialog.reject();
    EXPECT_EQ(test::sentCommands().back(), (SentCommand{link::kSetAmplifier, {0xFF}}));
}

} // namespace
} // namespace spectavo::app

#include <QDialogButtonBox>
#include <QLineEdit>

#include "app/shell/logindialog.h"
#include "app/shell/qtmessageservice.h"
#include "core/shell/login.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

// One try, as ever, but a wrong password is said before the program ends; the right one says nothing.
TEST(LoginDialog, AWrongPasswordIsSaidBeforeTheProgramEnds) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/config");
    test::ScopedEnv program{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::writeBytes(dir.file("config/tarvesta.zav.analyst.ini"),
                     "[Spectavo]\nPassword=" + shell::LoginRules::hashed("secret") + "\n");
    test::RecordingMessageService messages;
    installMessages(&messages);
    for (const auto &[typed, accepted] : {std::pair{"wrong", false}, std::pair{"secret", true}}) {
        messages.shown.clear();
        CLoginDialog dialog;
        dialog.findChild<QLineEdit *>("password")->setText(typed);
        emit dialog.findChild<QDialogButtonBox *>()->accepted();
        EXPECT_EQ(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected) << typed;
        EXPECT_EQ(messages.shown, accepted ? std::vector<std::string>{}
                                           : std::vector<std::string>{"The password is not correct."})
            << typed;
    }
    installMessages(nullptr);
}

} // namespace
} // namespace spectavo::app
