// The workstation on a German desktop: the translation is chosen from the locale and the menus,
// panes, window titles and the core's messages read German.

#include <algorithm>
#include <filesystem>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/scan/scanframe.h"
#include "app/scan/time/kineframe.h"
#include "app/shell/logindialog.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/translations.h"
#include "app/widgets/gridcontrol.h"
#include "app/widgets/titlefit.h"
#include "core/shell/documentfiles.h"
#include "core/shell/mainframemodel.h"
#include "core/strings/translation.h"
#include "support/linkeddriver.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

class GermanDesktopTest : public ::testing::Test {
protected:
    GermanDesktopTest() {
        installMessages(&messages);
        std::filesystem::create_directories(dir.path() + "/bin/translations");
        std::filesystem::create_directories(dir.path() + "/config");
        std::filesystem::copy_file(SPECTAVO_BIN_DIR "/translations/ZAV_Resource.deu.qm",
                                   dir.file("bin/translations/ZAV_Resource.deu.qm"));
        test::writeBytes(dir.file("config/tarvesta.zav.comm.ini"),
                         "[hub]\ndriver=" SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so\n");
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"), "[Simulation]\nSpeed=10\nBoot=1\n");
    }
    ~GermanDesktopTest() override { installMessages(nullptr); }

    test::TempDir dir;
    test::ScopedEnv program{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::ScopedEnv all{"LC_ALL", ""};
    test::ScopedEnv messagesLocale{"LC_MESSAGES", ""};
    test::ScopedEnv lang{"LANG", "de_DE.UTF-8"};
    test::RecordingMessageService messages;
};

QStringList textsOf(const QList<QAction *> &actions) {
    QStringList texts;
    for (const QAction *action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

QMenu *menuNamed(QMenuBar *bar, const QString &text) {
    for (QAction *top : bar->actions())
        if (top->text() == text)
            return top->menu();
    return nullptr;
}

// Every text a window shows in its widgets, menus, tabs, headings and lists.
QStringList visibleTexts(QWidget *window) {
    QStringList texts;
    const auto add = [&texts](const QString &text) {
        if (text.contains(QRegularExpression("[A-Za-z]{2}")))
            texts << text;
    };
    add(window->windowTitle());
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text());
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            add(box->title());
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        else if (auto *view = qobject_cast<QAbstractItemView *>(widget);
                 view && view->model() &&
                 (qobject_cast<QTableView *>(view) || qobject_cast<QTreeView *>(view)))
            for (int i = 0; i < view->model()->columnCount(); ++i)
                add(view->model()->headerData(i, Qt::Horizontal).toString());
        for (QAction *action : widget->actions()) {
            add(action->text());
            if (action->menu())
                for (QAction *entry : action->menu()->actions())
                    add(entry->text());
        }
    }
    texts.removeDuplicates();
    return texts;
}

// A localisation file that names a language wins over the desktop; a desktop language without a
// translation gets English.
TEST_F(GermanDesktopTest, TheLanguageFollowsTheSettingsThenTheDesktop) {
    EXPECT_EQ(chosenLanguage(), "deu");
    {
        const test::ScopedEnv french{"LANG", "fr_FR.UTF-8"};
        EXPECT_EQ(chosenLanguage(), "eng");
    }
    test::writeBytes(dir.file("config/tarvesta.zav.localize.ini"), "[localize]\nresource=eng\n");
    EXPECT_EQ(chosenLanguage(), "eng");
}

TEST_F(GermanDesktopTest, MenusPanesTitlesAndMessagesReadGerman) {
    ASSERT_EQ(installTranslations(), "deu");
    link::StationLink link{std::make_unique<link::SharedLibraryLoader>()};
    CMainFrame frame(link, &messages, 0);
    frame.show();

    const QStringList menus = textsOf(frame.menuBar()->actions());
    for (const char *german : {"&Datei", "&System", "&Gerät", "&Fenster", "&Hilfe"})
        EXPECT_TRUE(menus.contains(QString::fromUtf8(german))) << menus.join(", ").toStdString();
    QMenu *file = menuNamed(frame.menuBar(), "&Datei");
    ASSERT_NE(file, nullptr);
    const QStringList fileCommands = textsOf(file->actions());
    EXPECT_TRUE(fileCommands.contains(QString::fromUtf8("Ö&ffnen...")))
        << fileCommands.join(", ").toStdString();
    EXPECT_TRUE(fileCommands.contains("Neue &Zeitmessung"));
    for (QAction *action : file->actions()) {
        if (action->text() == "&Beenden") {
            EXPECT_EQ(action->shortcut(), QKeySequence("Ctrl+Q")) << "keys stay as they are";
        }
    }

    EXPECT_EQ(frame.paneText(shell::kPaneState), " Bereit ");
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::TimeScan));
    EXPECT_EQ(frame.documents()->activeSubWindow()->windowTitle(), "Zeitmessung");
    const QStringList withTimeScan = textsOf(frame.menuBar()->actions());
    EXPECT_TRUE(withTimeScan.contains("&Kurve")) << withTimeScan.join(", ").toStdString();
    EXPECT_TRUE(withTimeScan.contains("&Messen")) << withTimeScan.join(", ").toStdString();

    // The toolkit's standard buttons too, where the desktop has the toolkit's translations.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    }

    // The core's own texts, formatted ones too, come through the same translation.
    EXPECT_EQ(strings::tr("Time scan has been broken."), "Die Zeitmessung wurde abgebrochen.");
    EXPECT_EQ(strings::trFormat("Please enter an integer between %d and %d.", 1, 100),
              "Bitte geben Sie eine ganze Zahl zwischen 1 und 100 ein.");
    // File filters as well.
    EXPECT_TRUE(shell::documentFileFilter().starts_with("Spectavo-Dokumente (*.qua"))
        << shell::documentFileFilter();

    // Each kind of window, as the operator opens it: nothing in it is left in English where the
    // translation has German.
    for (shell::DocumentKind kind :
         {shell::DocumentKind::FixedPoints, shell::DocumentKind::WavelengthScan,
          shell::DocumentKind::TimeScan, shell::DocumentKind::DnaProtein, shell::DocumentKind::Validity}) {
        ASSERT_TRUE(frame.newDocument(kind));
        QApplication::processEvents();
        for (const QString &text : visibleTexts(&frame)) {
            const QString german = QCoreApplication::translate("Spectavo", text.toUtf8().constData());
            EXPECT_EQ(german, text) << "shown in English: " << text.toStdString();
        }
        // Every table heading reads whole in German too.
        for (CGridControl *grid : frame.findChildren<CGridControl *>())
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                for (const QString &line :
                     grid->model()->headerData(column, Qt::Horizontal).toString().split('\n'))
                    EXPECT_GE(grid->columnWidth(column),
                              grid->horizontalHeader()->fontMetrics().horizontalAdvance(line))
                        << "clipped heading: " << line.toStdString();
    }

    // Dialog titles fit beside the title bar's buttons in German as well.
    installDialogTitleFit();
    CLoginDialog login;
    login.show();
    QApplication::processEvents();
    QFont bold = login.font();
    bold.setBold(true);
    EXPECT_GE(login.width(), QFontMetrics(bold).horizontalAdvance(login.windowTitle()) + 100)
        << login.windowTitle().toStdString();

    // The question before unsaved work is closed, of every kind of window, reads German too.
    messages.asked.clear();
    messages.answer = false;
    for (QMdiSubWindow *window : frame.documents()->subWindowList()) {
        if (auto *fixedWindow = dynamic_cast<CFixedFrame *>(window->widget())) {
            const float value[] = {0.5f};
            fixedWindow->view().SamplePage()->table().writeMeasuredRow(0, "S", value, true);
        } else if (auto *scan = dynamic_cast<CScanFrame *>(window->widget())) {
            ASSERT_TRUE(scan->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
            scan->spectra().at(0).modified = true;
        } else if (auto *kinetics = dynamic_cast<CKineFrame *>(window->widget())) {
            ASSERT_TRUE(kinetics->openFile(SPECTAVO_TEST_DATA_DIR "/fourpoints.kin"));
            kinetics->curves().at(0).modified = true;
        }
        window->close();
    }
    // The recording service keeps a question as it was asked; the program's service translates it
    // when it shows it, as it translates every text it is given.
    std::vector<std::string> questions;
    for (const std::string &question : messages.asked)
        questions.push_back(strings::tr(question.c_str()));
    for (const char *expected : {"holmium.sca wurde nicht gespeichert. Jetzt speichern?",
                                 "fourpoints.kin wurde nicht gespeichert. Jetzt speichern?",
                                 "Das Ergebnis wurde nicht gespeichert. Jetzt speichern?"})
        EXPECT_NE(std::find(questions.begin(), questions.end(), expected), questions.end()) << expected;
    for (const std::string &question : questions)
        EXPECT_EQ(question.find("has not been saved"), std::string::npos) << question;

    // A picture of the German window for people to look at.
    frame.resize(1280, 800);
    QApplication::processEvents();
    frame.grab().save(SPECTAVO_BIN_DIR "/../mainframe-de.png");
    frame.close();
}

} // namespace
} // namespace spectavo::app
