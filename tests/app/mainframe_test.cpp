// The main window on the virtual instrument, offscreen: the link comes up by itself and the panes
// show the instrument live.

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <QMdiArea>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/scan/scanframe.h"
#include "app/scan/scanlistview.h"
#include "app/scan/time/kineframe.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/gotodialog.h"
#include "app/shell/helpviewer.h"
#include "app/shell/hubsetupdialog.h"
#include "app/shell/mainframe.h"
#include "app/shell/qtmessageservice.h"
#include "app/shell/resultsrecorder.h"
#include "app/shell/servicedialogs.h"
#include "app/store/idlelock.h"
#include "app/store/resultsdialog.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/gridcontrol.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/shell/commandids.h"
#include "core/shell/desktopservices.h"
#include "core/shell/sha256.h"
#include "store/accountbook.h"
#include "store/sqlitestore.h"
#include "support/linkeddriver.h"
#include "support/qtevents.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

using RecordingMessages = test::RecordingMessageService;
using Answer = shell::MessageService::Answer;

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() {
        installMessages(&messages);
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
        test::writeBytes(dir.file("config/tarvesta.zav.comm.ini"),
                         "[hub]\ndriver=" SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so\n");
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"), "[Simulation]\nSpeed=10\nBoot=1\n");
    }
    ~MainFrameTest() override { installMessages(nullptr); }
    // A results store of the test's own, for a recorder.
    store::StoreWriter::Opener storeInTheTestFolder() {
        return [this] { return std::make_unique<store::SqliteStore>(dir.file("results.sqlite"), "bench-1"); };
    }
    template <typename Condition>
    bool pumpUntil(Condition condition) {
        return test::eventually([&] {
            QApplication::processEvents();
            return condition();
        });
    }

    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    link::StationLink link{std::make_unique<link::SharedLibraryLoader>()};
    RecordingMessages messages;
};

void clickButton(QWidget &parent, const QString &text) {
    for (QPushButton *button : parent.findChildren<QPushButton *>())
        if (button->text() == text) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << text.toStdString();
}

QAction *commandAction(CMainFrame &frame, int id) {
    for (QAction *action : frame.findChildren<QAction *>())
        if (action->data().isValid() && action->data().toInt() == id)
            return action;
    return nullptr;
}

TEST_F(MainFrameTest, LinksToTheVirtualInstrumentAndShowsItLive) {
    // Only the shipped hub file, naming the driver as installed beside the program.
    std::filesystem::copy_file(SPECTAVO_SOURCE_DIR "/config/tarvesta.zav.comm.ini",
                               dir.file("config/tarvesta.zav.comm.ini"),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so",
                               dir.file("bin/tarvesta.zav.comm.sim.so"));
    CMainFrame frame(link, &messages, 0);
    frame.show();
    EXPECT_EQ(frame.paneText(shell::kPaneState), " Ready ");
    EXPECT_EQ(frame.documents()->subWindowList().size(), 1) << "the first document opens by itself";
    ASSERT_TRUE(pumpUntil([&] { return frame.paneText(shell::kPaneState) == "Ready"; }));
    EXPECT_EQ(link.status().linkOnline.load(), 1);
    ASSERT_TRUE(pumpUntil([&] { return frame.paneText(shell::kPaneValue).startsWith("Abs:"); }));
    ASSERT_TRUE(pumpUntil([&] { return frame.paneText(shell::kPaneSample) != "S:     "; }));
    EXPECT_TRUE(frame.paneText(shell::kPanePosition).startsWith("Pos:"));
    frame.refreshCommands();

    // A picture of the window for people to look at.
    frame.grab().save(QString::fromStdString(std::string(SPECTAVO_BIN_DIR) + "/../mainframe.png"));
    frame.close();
}

TEST_F(MainFrameTest, GotoDialogShowsALiveReadingAtTheNewWavelength) {
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return frame.paneText(shell::kPaneState) == "Ready"; }));
    ASSERT_TRUE(pumpUntil([&] { return link.status().powerStatus.load() == 1; }));
    auto dialog = std::make_unique<CGotoDialog>(link, 1, &frame);
    dialog->findChild<QLineEdit *>("wavelength")->setText("450.8");
    dialog->show();
    QMetaObject::invokeMethod(dialog->findChildren<QPushButton *>().at(0), "click");
    QLabel *readout = dialog->findChild<QLabel *>("readout");
    // The acknowledgement of the first move (to the current position) may still arrive: wait for the
    // drive to reach the new wavelength and for a reading there.
    ASSERT_TRUE(pumpUntil([&] { return link.status().currentWavelengthTenths.load() == 4508; }));
    ASSERT_TRUE(pumpUntil([&] { return readout->text().startsWith("+"); })) << readout->text().toStdString();
    dialog.reset();
    EXPECT_FALSE(link.acquisition().open.load()) << "closing the dialog closes its acquisition";
    frame.close();
}

TEST_F(MainFrameTest, FileManagementListsTheInstrumentsFilesByType) {
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return link.status().powerStatus.load() == 1; }));
    auto dialog = std::make_unique<CFileManagementDialog>(link, &frame);
    dialog->show();
    auto *files = dialog->findChild<QListWidget *>();
    ASSERT_TRUE(pumpUntil([&] { return files->count() > 0; }));
    EXPECT_EQ(files->item(0)->text(), "CR6.qua");
    EXPECT_FALSE(link.acquisition().open.load()) << "the directory is complete, the instrument free";
    dialog->findChild<QComboBox *>()->setCurrentIndex(1);
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), "HOLMIUM.sca");

    // Delete, then Refresh: the instrument is free again once the delete is acknowledged, and the
    // store is listed without the deleted file.
    dialog->findChild<QComboBox *>()->setCurrentIndex(0);
    const int quantitative = files->count();
    files->setCurrentRow(0);
    clickButton(*dialog, "&Delete");
    ASSERT_TRUE(pumpUntil([&] { return !link.acquisition().open.load(); }))
        << "the delete's answer closes it";
    clickButton(*dialog, "&Refresh");
    ASSERT_TRUE(pumpUntil([&] { return files->count() == quantitative - 1; }));
    EXPECT_FALSE(link.acquisition().open.load());
    dialog.reset();
    frame.close();
}

TEST_F(MainFrameTest, DarkCurrentTableAndStatusWindowFillFromTheInstrument) {
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return link.status().powerStatus.load() == 1; }));
    CStatusWindow status(link, &frame);
    status.refresh();
    ASSERT_EQ(status.findChildren<QLabel *>().size(), 20);
    // The virtual instrument reports eight cells, no sipper and every assembly in order.
    auto *form = qobject_cast<QFormLayout *>(status.layout());
    ASSERT_NE(form, nullptr);
    std::map<QString, QString> shown;
    for (QLabel *value : status.findChildren<QLabel *>())
        if (auto *caption = qobject_cast<QLabel *>(form->labelForField(value)))
            shown[caption->text()] = value->text();
    EXPECT_EQ(shown["Number of sample cells"], "8");
    EXPECT_EQ(shown["Auto Sipper"], "Not installed") << "the virtual instrument has no sipper fitted";
    EXPECT_EQ(shown["Energy of D2 lamp"], "OK");
    EXPECT_EQ(shown["Status of Power"], "OK");

    auto dark = std::make_unique<CDarkCurrentDialog>(link, &frame);
    dark->show();
    grid::GridModel &cells = dark->findChild<CGridControl *>()->grid();
    ASSERT_TRUE(pumpUntil([&] { return cells.rows() == 9 && !cells.text(8, 1).empty(); }));
    EXPECT_EQ(cells.columns(), 4) << "two channels: Level, Sample, Refrence and one more";
    EXPECT_EQ(cells.text(1, 1), "   12");
    EXPECT_EQ(dark->findChild<CGridControl *>()->model()->rowCount(), 8) << "the header row stays fixed";
    dark.reset();
    EXPECT_FALSE(link.acquisition().open.load());
    frame.close();
}

TEST_F(MainFrameTest, EveryInstrumentCommandIsInTheMenus) {
    CMainFrame frame(link, &messages, 0);
    std::set<int> ids;
    for (QAction *action : frame.findChildren<QAction *>())
        if (action->data().isValid())
            ids.insert(action->data().toInt());
    using namespace shell;
    const std::initializer_list<int> required = {kCmdLink,
                                                 kCmdReset,
                                                 kCmdEscape,
                                                 kCmdStop,
                                                 kCmdPause,
                                                 kCmdDarkCurrent,
                                                 kCmdAmplifier,
                                                 kCmdLocate656,
                                                 kCmdCalibrateBaseline,
                                                 kCmdSlit05,
                                                 kCmdSlit40,
                                                 kCmdWLamp,
                                                 kCmdD2Lamp,
                                                 kCmdSwitchPoint,
                                                 kCmdHubSetup,
                                                 kCmdInternalKeypad,
                                                 kCmdChangePassword,
                                                 kCmdStatusWindow,
                                                 kCmdMulticells,
                                                 kCmdCell1,
                                                 kCmdCell1 + 7,
                                                 kCmdTransmittance,
                                                 kCmdAbsorbance,
                                                 kCmdGoto,
                                                 kCmdOpenInstrumentFile,
                                                 kCmdSipperConnected,
                                                 kCmdSipperSetup,
                                                 kCmdSippingTime,
                                                 kCmdSippingInterval,
                                                 kCmdEnableSipper,
                                                 kCmdDisableSipper,
                                                 kCmdFlushSipper};
    for (int id : required)
        EXPECT_TRUE(ids.count(id)) << "command " << id << " is missing";
    frame.close();
}

TEST_F(MainFrameTest, EveryKindOpensFromAFileOfEachOfItsExtensions) {
    CMainFrame frame(link, &messages, 0);
    const std::string holmium = test::readBytes(SPECTAVO_TEST_DATA_DIR "/holmium.sca");
    const std::string curve = "Time:2026/12/10 09:00:00\r\nLamp:0\r\nSLIT:2.0\r\nWaveLength:340.0\r\n"
                              "Total Time:2\r\nStep:1.0\r\n0.0 0.5\r\n1.0 0.4\r\n2.0 0.3\r\n";
    for (const shell::DocumentKindInfo &kind : shell::documentKinds()) {
        for (const std::string &extension : kind.extensions) {
            const QString path = QString::fromStdString(dir.file("doc." + extension));
            test::writeBytes(path.toStdString(),
                             kind.kind == shell::DocumentKind::TimeScan ? curve : holmium);
            if (kind.kind == shell::DocumentKind::FixedPoints ||
                kind.kind == shell::DocumentKind::DnaProtein || kind.kind == shell::DocumentKind::Validity) {
                // Not a document of these kinds: refused, and the operator told.
                EXPECT_FALSE(frame.openDocumentFile(path)) << extension;
                continue;
            }
            ASSERT_TRUE(frame.openDocumentFile(path)) << extension;
            QMdiSubWindow *window = frame.documents()->subWindowList().last();
            EXPECT_EQ(window->windowTitle(), "doc." + QString::fromStdString(extension));
            MeasurementWindow *document = measurementWindow(window->widget());
            ASSERT_NE(document, nullptr) << extension;
            if (kind.kind == shell::DocumentKind::WavelengthScan) {
                auto *scan = dynamic_cast<CScanFrame *>(window->widget());
                ASSERT_NE(scan, nullptr) << extension;
                EXPECT_EQ(scan->spectra().size(), 1u) << extension;
            } else if (kind.kind == shell::DocumentKind::TimeScan) {
                auto *kinetics = dynamic_cast<CKineFrame *>(window->widget());
                ASSERT_NE(kinetics, nullptr) << extension;
                ASSERT_EQ(kinetics->curves().size(), 1u) << extension;
                EXPECT_EQ(kinetics->curves().at(0).points(), (std::vector<float>{0.5f, 0.4f, 0.3f}));
            }
            window->close();
        }
    }
    EXPECT_EQ(shell::documentFileFilter(),
              "Spectavo documents (*.qua *.qm *.fix *.sca *.wav *.kin *.tim *.dna *.dm *.val *.vm)");
    frame.close();
}

TEST_F(MainFrameTest, ATransmittanceSwitchConvertsTheTablesOfEveryFixedPointsDocument) {
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::FixedPoints));
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::FixedPoints));
    std::vector<CFixedFrame *> documents;
    for (MeasurementWindow *window : frame.openWindows())
        if (auto *fixedWindow = dynamic_cast<CFixedFrame *>(window->widget()))
            documents.push_back(fixedWindow);
    ASSERT_GE(documents.size(), 2u); // with the first document, when it is of this kind
    const float value[] = {1.5f};
    for (CFixedFrame *document : documents)
        document->view().SamplePage()->table().writeMeasuredRow(0, "S", value, true);
    // The main window's command reaches every document, not only the active one.
    commandAction(frame, shell::kCmdTransmittance)->trigger();
    for (CFixedFrame *document : documents)
        EXPECT_EQ(document->view().SamplePage()->table().grid().text(1, 1), "3.16");
    commandAction(frame, shell::kCmdAbsorbance)->trigger();
    for (CFixedFrame *document : documents)
        EXPECT_EQ(document->view().SamplePage()->table().grid().text(1, 1), "1.5003");
    // A second Absorbance command changes nothing: the values are not converted twice.
    commandAction(frame, shell::kCmdAbsorbance)->trigger();
    EXPECT_EQ(documents.front()->view().SamplePage()->table().grid().text(1, 1), "1.5003");
    for (CFixedFrame *document : documents)
        document->view().SamplePage()->table().setModified(false); // closing asks nothing
    frame.close();
}

// A fixed-wavelength window with unsaved results asks before it closes, by every route: its own close
// box and the main window's Exit or close. Cancel keeps the window and its results; No lets it go.
TEST_F(MainFrameTest, EveryFixedKindAsksAboutUnsavedResultsByEveryRouteOfClosing) {
    CMainFrame frame(link, &messages, 0);
    const QString question = "Result has not been saved. Save it now?";
    for (const shell::DocumentKind kind :
         {shell::DocumentKind::FixedPoints, shell::DocumentKind::DnaProtein, shell::DocumentKind::Validity}) {
        for (const char *route : {"close box", "Exit"}) {
            SCOPED_TRACE(std::string(route) + ", kind " + std::to_string(static_cast<int>(kind)));
            ASSERT_TRUE(frame.newDocument(kind));
            QMdiSubWindow *window = frame.documents()->subWindowList().last();
            auto *document = dynamic_cast<CFixedFrame *>(window->widget());
            ASSERT_NE(document, nullptr);
            const float value[] = {0.5f};
            document->view().SamplePage()->table().writeMeasuredRow(0, "S", value, true);
            auto close = [&] {
                if (std::string(route) == "Exit")
                    frame.close();
                else
                    window->close();
            };
            messages.asked.clear();
            messages.saveAnswers = {Answer::Cancel};
            close();
            ASSERT_EQ(messages.asked.size(), 1u);
            EXPECT_EQ(QString::fromStdString(messages.asked[0]), question);
            EXPECT_TRUE(frame.documents()->subWindowList().contains(window)) << "Cancel keeps the window";
            EXPECT_TRUE(document->view().unsavedResults()) << "and its results";
            messages.saveAnswers = {Answer::No};
            window->close();
            QApplication::processEvents();
            EXPECT_FALSE(frame.documents()->subWindowList().contains(window));
        }
    }
    for (QMdiSubWindow *window : frame.documents()->subWindowList())
        if (auto *document = dynamic_cast<CFixedFrame *>(window->widget()))
            document->view().SamplePage()->table().setModified(false);
    frame.close();
}

TEST_F(MainFrameTest, FilesFromTheDesktopOpenADocumentOfTheirKind) {
    CMainFrame frame(link, &messages, 0);
    const int before = static_cast<int>(frame.documents()->subWindowList().size());
    const QString holmium = SPECTAVO_TEST_DATA_DIR "/holmium.sca";
    EXPECT_TRUE(frame.openDocumentFile(holmium));
    EXPECT_FALSE(frame.openDocumentFile("/data/notes.txt"));
    ASSERT_EQ(frame.documents()->subWindowList().size(), before + 1);
    EXPECT_EQ(frame.documents()->subWindowList().last()->windowTitle(), "holmium.sca");
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->subWindowList().last()->widget());
    ASSERT_NE(scan, nullptr) << "a wavelength-scan window, not a placeholder";
    commandAction(frame, shell::kCmdTransmittance)->trigger();
    EXPECT_EQ(scan->peakList()->heading(1), "T(%)") << "the window follows the program's mode";

    EXPECT_FALSE(frame.openDocumentFile("/data/missing.sca"));
    EXPECT_EQ(messages.shown.back(), "Cannot read /data/missing.sca.");
    EXPECT_EQ(frame.documents()->subWindowList().size(), before + 1);
    frame.close();
    const std::string analyst = test::readBytes(dir.file("config/tarvesta.zav.analyst.ini"));
    EXPECT_NE(analyst.find("File1=" + holmium.toStdString()), std::string::npos)
        << "the recent files are kept";
    EXPECT_EQ(analyst.find("missing.sca"), std::string::npos) << "a file that did not open is not recent";
}

TEST_F(MainFrameTest, LinkCommandTogglesTheLinkOffAndOn) {
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return frame.paneText(shell::kPaneState) == "Ready"; }));
    QAction *linkCommand = commandAction(frame, shell::kCmdLink);
    ASSERT_NE(linkCommand, nullptr);
    frame.refreshCommands();
    EXPECT_TRUE(linkCommand->isChecked());
    EXPECT_EQ(linkCommand->toolTip(), "The instrument is linked: click to unlink it");
    EXPECT_FALSE(linkCommand->icon().isNull()) << "the button carries the link's lamp";
    linkCommand->trigger();
    EXPECT_EQ(link.status().linkOnline.load(), 0);
    frame.refreshCommands();
    EXPECT_FALSE(linkCommand->isChecked());
    EXPECT_EQ(linkCommand->toolTip(), "The instrument is not linked: click to link it");
    linkCommand->trigger();
    EXPECT_TRUE(pumpUntil([&] { return link.status().linkOnline.load() == 1; }));
    frame.refreshCommands();
    EXPECT_TRUE(linkCommand->isChecked());
    frame.close();
}

TEST_F(MainFrameTest, BootQuestionAnsweredYesLetsTheInstrumentFinishItsBoot) {
    test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"),
                     "[Simulation]\nSpeed=20\nBoot=1\nAskRecalibrate=1\n");
    messages.answer = true;
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return !messages.asked.empty(); }));
    EXPECT_EQ(messages.asked.front(), "Recalibrate System?");
    EXPECT_TRUE(pumpUntil([&] { return link.status().linkOnline.load() == 1; }))
        << "the boot went on after Yes";
    frame.close();
}

TEST_F(MainFrameTest, WithoutAnyConfigurationTheDefaultDriverIsReportedMissingAndTheWindowStaysOffline) {
    std::filesystem::remove(dir.file("config/tarvesta.zav.comm.ini"));
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.shown.front(), "Failed to load tarvesta.zav.comm.emc2.so!") << "the file looked for";
    EXPECT_EQ(link.status().linkOnline.load(), 0);
    EXPECT_EQ(frame.paneText(shell::kPaneState), " Ready ");
    frame.close();
}

TEST_F(MainFrameTest, ClosingWithAChildThatRefusesKeepsTheProgramRunning) {
    class Refusing : public QWidget {
    protected:
        void closeEvent(QCloseEvent *event) override { event->ignore(); }
    };
    CMainFrame frame(link, &messages, 0);
    frame.show();
    frame.documents()->addSubWindow(new Refusing)->show();
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
}

// Exit asks every window with unsaved work before any window closes: a Cancel at the last question
// keeps every window, the ones answered No included; one question names all of a window's spectra.
TEST_F(MainFrameTest, ExitAsksEveryQuestionBeforeClosingAnything) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    const QString holmium = SPECTAVO_TEST_DATA_DIR "/holmium.sca";
    std::vector<CScanFrame *> scans;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(frame.openDocumentFile(holmium));
        scans.push_back(dynamic_cast<CScanFrame *>(frame.documents()->subWindowList().last()->widget()));
        ASSERT_NE(scans.back(), nullptr);
    }
    ASSERT_TRUE(scans[0]->openFile(holmium));
    scans[0]->spectra().at(0).modified = scans[0]->spectra().at(1).modified = true;
    scans[2]->spectra().at(0).modified = true;
    const int before = static_cast<int>(frame.documents()->subWindowList().size());

    messages.saveAnswers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(frame.close());
    ASSERT_EQ(messages.asked.size(), 2u) << "one question per window with unsaved work";
    EXPECT_NE(messages.asked[0].find("These spectra have not been saved:"), std::string::npos)
        << messages.asked[0];
    EXPECT_EQ(frame.documents()->subWindowList().size(), before) << "nothing closed before every answer";

    messages.asked.clear();
    messages.saveAnswers = {Answer::No, Answer::No};
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(messages.asked.size(), 2u) << "each window asked once, not again while closing";
}

// Holds the started timers until the test lets time pass.
class ManualTimers : public TimerSource {
public:
    void singleShot(int milliseconds, QObject *, std::function<void()> expiry) override {
        pending.push_back({milliseconds, std::move(expiry)});
    }
    void elapse() {
        auto due = std::move(pending);
        pending.clear();
        for (auto &timer : due)
            timer.second();
    }
    std::vector<std::pair<int, std::function<void()>>> pending;
};

TEST_F(MainFrameTest, D2LampWarmUpHoldsTheInstrumentCommandsForThirtySeconds) {
    CMainFrame frame(link, &messages, 0);
    // The lamp's energy report of the start-up may follow "Ready"; until it arrives the D2 command
    // stays enabled whatever the warm-up says.
    ASSERT_TRUE(pumpUntil([&] {
        return frame.paneText(shell::kPaneState) == "Ready" &&
               link.status().d2EnergyStatus.load() != link::kUnknown;
    }));
    ManualTimers clock;
    frame.setTimers(&clock);
    link.status().d2LampOn = 0;
    commandAction(frame, shell::kCmdD2Lamp)->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.front(), shell::MainFrameModel::kWarmupMessage);
    ASSERT_EQ(clock.pending.size(), 1u);
    EXPECT_EQ(clock.pending.front().first, 30000);
    frame.refreshCommands();
    EXPECT_FALSE(commandAction(frame, shell::kCmdDarkCurrent)->isEnabled());
    EXPECT_FALSE(commandAction(frame, shell::kCmdD2Lamp)->isEnabled());
    EXPECT_TRUE(commandAction(frame, shell::kCmdGoto)->isEnabled()) << "moving needs no stable lamp";

    clock.elapse();
    frame.refreshCommands();
    EXPECT_TRUE(commandAction(frame, shell::kCmdDarkCurrent)->isEnabled());
    EXPECT_TRUE(commandAction(frame, shell::kCmdD2Lamp)->isEnabled());
    frame.close();
}

TEST_F(MainFrameTest, DarkCurrentOnAOneChannelModelWithFiveLevelsFillsSixRowsOfThree) {
    test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"),
                     "[Simulation]\nSpeed=10\nBoot=1\n[Instrument]\nChannels=1\nDarkLevels=5\n");
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(pumpUntil([&] { return link.status().powerStatus.load() == 1; }));
    ASSERT_EQ(link.config().channels.load(), 1);
    auto dark = std::make_unique<CDarkCurrentDialog>(link, &frame);
    grid::GridModel &cells = dark->findChild<CGridControl *>()->grid();
    ASSERT_TRUE(pumpUntil([&] { return cells.rows() == 6 && !cells.text(5, 2).empty(); }));
    EXPECT_EQ(cells.columns(), 3);
    // The virtual instrument's level n reads 12 + 9n on the sample and 11 + 8n on the reference.
    EXPECT_EQ(cells.text(5, 1), "   48");
    EXPECT_EQ(cells.text(5, 2), "   43");
    dark.reset();
    frame.close();
}

TEST_F(MainFrameTest, TheFirstDocumentIsOfTheKindLastCreated) {
    test::writeBytes(dir.file("config/tarvesta.zav.analyst.ini"), "[Spectavo]\nLastType=2\n");
    {
        CMainFrame frame(link, &messages, 0);
        ASSERT_EQ(frame.documents()->subWindowList().size(), 1);
        EXPECT_TRUE(frame.documents()->subWindowList().front()->windowTitle().contains("Time Scan"))
            << frame.documents()->subWindowList().front()->windowTitle().toStdString();
        frame.close();
    }
    test::writeBytes(dir.file("config/tarvesta.zav.analyst.ini"), "[Spectavo]\nLastType=9\n");
    CMainFrame frame(link, &messages, 0);
    EXPECT_TRUE(frame.documents()->subWindowList().front()->windowTitle().contains("Fixed Points"))
        << "an unknown kind opens a fixed-points measurement";
    const ProfileFile analyst(dir.file("config/tarvesta.zav.analyst.ini"), false);
    for (const shell::DocumentKindInfo &kind : shell::documentKinds()) {
        ASSERT_TRUE(frame.newDocument(kind.kind));
        EXPECT_EQ(analyst.GetInt("Spectavo", "LastType", -1), static_cast<int>(kind.kind)) << kind.title;
    }
    frame.close();
}

TEST_F(MainFrameTest, HubSetupShowsTheDriversOwnPanelAtFullSize) {
    std::filesystem::copy_file(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so",
                               dir.file("bin/tarvesta.zav.comm.sim.so"));
    CHubSetup dialog(nullptr);
    dialog.show();
    QApplication::processEvents();
    auto *speed = dialog.findChild<QWidget *>("speed");
    ASSERT_NE(speed, nullptr) << "the sim driver's panel is embedded";
    EXPECT_TRUE(speed->isVisible());
    EXPECT_GE(speed->width(), 60) << "the panel was laid out in a real area, not a collapsed one";
    dialog.resize(800, 600);
    QApplication::processEvents();
    EXPECT_GT(speed->parentWidget()->width(), 600) << "the panel follows the dialog's size";
}

// The Instrument menu's file browser hands the chosen file to the active window.
TEST_F(MainFrameTest, AFileChosenFromTheInstrumentMenuGoesToTheActiveWindow) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().stationReady.load() != 0; }));
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    QApplication::processEvents();
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(scan, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return !link.acquisition().open.load(); }));
    // The browser: wavelength scans, the first one, Open.
    QTimer picker;
    QObject::connect(&picker, &QTimer::timeout, [&] {
        auto *browser = dynamic_cast<CFileManagementDialog *>(QApplication::activeModalWidget());
        if (!browser)
            return;
        browser->findChild<QComboBox *>()->setCurrentIndex(1);
        auto *files = browser->findChild<QListWidget *>();
        if (files->count() == 0)
            return;
        files->setCurrentRow(0);
        picker.stop();
        clickButton(*browser, "&Open");
    });
    picker.start(20);
    frame.refreshCommands();
    QAction *open = commandAction(frame, shell::kCmdOpenInstrumentFile);
    ASSERT_TRUE(open->isEnabled());
    open->trigger();
    ASSERT_TRUE(pumpUntil([&] { return scan->spectra().size() == 1; }));
    EXPECT_EQ(scan->spectra().at(0).name, "HOLMIUM.sca");
    scan->spectra().at(0).modified = false;
    frame.close();
}

TEST_F(MainFrameTest, StatusItemsShowTheStatusWindow) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().powerStatus.load() == 1; }));
    ASSERT_TRUE(pumpUntil([&] {
        auto *status = frame.findChild<CStatusWindow *>();
        return status && status->isVisible();
    })) << "the instrument's status report shows the status window";
    frame.close();
}

// Every action reachable from the menu bar, the active window's menus included.
QList<QAction *> menuActions(QMenuBar *bar) {
    QList<QAction *> found;
    std::function<void(QMenu *)> walk = [&](QMenu *menu) {
        emit menu->aboutToShow(); // menus filled on showing (Window, Recent Files)
        for (QAction *action : menu->actions()) {
            if (action->menu())
                walk(action->menu());
            else if (!action->isSeparator())
                found << action;
        }
    };
    for (QAction *top : bar->actions())
        if (top->menu())
            walk(top->menu());
    return found;
}

TEST_F(MainFrameTest, EveryShortcutAMenuShowsWorksAndNoTwoShareOne) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    QApplication::processEvents();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    const QList<QAction *> actions = menuActions(frame.menuBar());
    std::map<QString, QString> owners;
    for (QAction *action : actions) {
        EXPECT_FALSE(action->text().contains('\t'))
            << action->text().toStdString() << ": a key shown but not bound";
        const QString key = action->shortcut().toString();
        if (key.isEmpty())
            continue;
        EXPECT_TRUE(owners.emplace(key, action->text()).second)
            << key.toStdString() << " is shared by " << owners[key].toStdString() << " and "
            << action->text().toStdString();
    }
    for (const char *expected : {"Ctrl+O", "Ctrl+S", "Ctrl+P", "Ctrl+Z", "F1", "F5", "Ctrl+Q"})
        EXPECT_TRUE(owners.count(expected)) << expected << " is missing";
    // Each key reaches its action (the handlers are set aside: only the triggering is counted).
    for (QAction *action : actions) {
        if (action->shortcut().isEmpty())
            continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        action->setEnabled(true);
        int triggered = 0;
        QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
        QTest::keySequence(&frame, action->shortcut());
        EXPECT_EQ(triggered, 1) << action->shortcut().toString().toStdString() << " for "
                                << action->text().toStdString();
    }
    for (QMdiSubWindow *window : frame.documents()->subWindowList())
        window->close();
    frame.close();
}

TEST_F(MainFrameTest, TheWindowMenuArrangesAndListsTheOpenWindows) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::TimeScan));
    QMenu *windows = nullptr;
    for (QAction *top : frame.menuBar()->actions())
        if (top->text() == "&Window")
            windows = top->menu();
    ASSERT_NE(windows, nullptr);
    emit windows->aboutToShow();
    QStringList texts;
    for (QAction *action : windows->actions())
        texts << action->text();
    EXPECT_TRUE(texts.contains("&Cascade"));
    EXPECT_TRUE(texts.contains("&Tile"));
    EXPECT_EQ(texts.filter("Measurement").size(), frame.documents()->subWindowList().size())
        << texts.join(", ").toStdString();
    frame.close();
}

// However many windows open in a small workspace, each stays whole inside it: its title bar and close
// button can be reached.
TEST_F(MainFrameTest, NewWindowsOpenInsideTheWorkspace) {
    CMainFrame frame(link, &messages, 0);
    frame.setMinimumSize(0, 0);
    frame.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame.resize(700, 480);
    frame.show();
    QApplication::processEvents();
    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(
            frame.newDocument(i % 2 ? shell::DocumentKind::WavelengthScan : shell::DocumentKind::TimeScan));
    const QRect workspace(QPoint(0, 0), frame.documents()->viewport()->size());
    for (QMdiSubWindow *window : frame.documents()->subWindowList())
        EXPECT_TRUE(workspace.contains(window->geometry()))
            << window->windowTitle().toStdString() << " at " << window->x() << "," << window->y() << " "
            << window->width() << "x" << window->height() << " in " << workspace.width() << "x"
            << workspace.height();
    frame.close();
}

// The help opens in the program's own viewer, whatever the desktop offers.
TEST_F(MainFrameTest, TheHelpViewerShowsEveryTopicWithoutAnotherProgram) {
    std::filesystem::copy(SPECTAVO_BIN_DIR "/help", dir.path() + "/bin/help",
                          std::filesystem::copy_options::recursive);
    test::ScopedEnv noDesktop{"PATH", "/nonexistent"};
    CMainFrame frame(link, &messages, 0);
    frame.show();
    QMenu *help = frame.menuBar()->actions().last()->menu();
    ASSERT_NE(help, nullptr);
    for (const shell::HelpTopic &topic : shell::helpTopics()) {
        QAction *entry = nullptr;
        for (QAction *action : help->actions())
            if (action->text() == topic.menuText)
                entry = action;
        ASSERT_NE(entry, nullptr) << topic.menuText;
        entry->trigger();
        auto *viewer = frame.findChild<CHelpViewer *>();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(viewer->browser()->toPlainText().size() > 100) << topic.menuText;
        EXPECT_EQ(viewer->contents()->currentItem()->text(), QString(topic.menuText).remove('&'));
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
    frame.close();
}

class SaveAsChooser : public FileChooser {
public:
    QString chooseOpen(QWidget *, const QString &) override { return {}; }
    QString chooseSave(QWidget *, const QString &, const QString &, const QString &) override { return path; }
    QString path;
};

TEST_F(MainFrameTest, TheTitleAndTheRecentFilesFollowASave) {
    SaveAsChooser chooser;
    chooser.path = QString::fromStdString(dir.file("renamed.sca"));
    installFileChooser(&chooser);
    CMainFrame frame(link, &messages, 0);
    ASSERT_TRUE(frame.openDocumentFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    QMdiSubWindow *window = frame.documents()->subWindowList().last();
    auto *scan = dynamic_cast<CScanFrame *>(window->widget());
    ASSERT_NE(scan, nullptr);
    scan->refreshCommands();
    scan->action(CScanFrame::kSaveAs)->trigger();
    EXPECT_EQ(window->windowTitle(), "renamed.sca");
    ASSERT_FALSE(frame.recentFiles().files().empty());
    EXPECT_EQ(frame.recentFiles().files().front(), chooser.path.toStdString());
    frame.close();
    installFileChooser(nullptr);
}

// The main window's multicell setup works on the active window's kind: a scan window's two cells
// leave the time scan windows with the main window's single cell.
TEST_F(MainFrameTest, TheMulticellSetupChoosesTheCellsOfTheActiveWindowsKind) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().stationReady.load() != 0; }));
    // The cell changer reports its cells after the instrument is ready; on a busy machine, later.
    ASSERT_TRUE(pumpUntil([&] { return link.status().cellCount.load() >= 2; }));
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    QApplication::processEvents();
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(scan, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return !link.acquisition().open.load(); }));
    EXPECT_EQ(scan->commandState().installedCells, 1);

    QString title;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->findChildren<QCheckBox *>().at(1)->setChecked(true);
        clickButton(*dialog, "OK");
    });
    frame.refreshCommands();
    test::triggerEnabled(commandAction(frame, shell::kCmdMulticells));
    EXPECT_EQ(title, "Multicell settings - Wavelength Scan Measurement");
    EXPECT_EQ(scan->commandState().installedCells, 2) << "the open window sees its kind's new selection";

    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::TimeScan));
    QApplication::processEvents();
    auto *kinetics = dynamic_cast<CKineFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(kinetics, nullptr);
    EXPECT_EQ(kinetics->commandState().installedCells, 1) << "another kind keeps the main window's";
    frame.close();
}

TEST_F(MainFrameTest, AScanWindowBringsItsMenusAndTakesRemoteStarts) {
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().stationReady.load() != 0; }));
    frame.shared().scan.high = 500.0f;
    frame.shared().scan.low = 400.0f;
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    QApplication::processEvents();
    QStringList menus;
    for (QAction *action : frame.menuBar()->actions())
        menus << action->text();
    EXPECT_TRUE(menus.contains("&Measure")) << menus.join(' ').toStdString();
    EXPECT_EQ(menus.last(), "&Help") << "the window's menus go before Help";
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(scan, nullptr);

    // The instrument's remote-start key reaches the active scan window through the main window.
    void *library = dlopen(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    reinterpret_cast<void (*)(int)>(dlsym(library, "SimHub_PressRemoteStart"))(1);
    dlclose(library);
    ASSERT_TRUE(pumpUntil([&] { return scan->spectra().size() == 1; }));
    ASSERT_TRUE(pumpUntil([&] { return !scan->acquisition().scanning(); }));
    EXPECT_TRUE(std::find(messages.shown.begin(), messages.shown.end(),
                          "Finish scanning the sample, please continue your work.") == messages.shown.end())
        << "a remote start runs without a message box";
    scan->spectra().at(0).modified = false;
    frame.close();
}

// A scan measured in its window reaches the store through the recorder, is listed in File > Results
// and opens from there as a copy in a window of its own; the stored result stays as it was.
TEST_F(MainFrameTest, AMeasuredScanIsListedInTheResultsAndOpensAsACopy) {
    ResultsRecorder recorder(link, messages, storeInTheTestFolder());
    CMainFrame frame(link, &messages, 0);
    frame.setRecorder(&recorder);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().stationReady.load() != 0; }));
    frame.shared().scan.high = 500.0f;
    frame.shared().scan.low = 400.0f;
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(scan, nullptr);
    scan->refreshCommands();
    scan->action(CScanFrame::kStart)->trigger();
    ASSERT_TRUE(pumpUntil([&] { return scan->spectra().size() == 1 && !scan->acquisition().scanning(); }));
    ASSERT_TRUE(recorder.flush(std::chrono::seconds(10)));
    const std::vector<float> measured = scan->spectra().at(0).points();

    int listed = -1;
    QStringList row;
    QTimer::singleShot(0, [&] {
        auto *results = dynamic_cast<CResultsDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(results, nullptr);
        listed = results->table()->rowCount();
        for (int column = 0; column < results->table()->columnCount(); ++column)
            row << results->table()->item(0, column)->text();
        results->table()->setCurrentCell(0, 0);
        EXPECT_TRUE(results->openSelected());
        results->accept();
    });
    frame.showResults();
    EXPECT_EQ(listed, 1);
    ASSERT_EQ(row.size(), 9);
    EXPECT_EQ(row[3], "wavescan");
    EXPECT_EQ(row[6],
              QString::fromStdString(link.status().modelName.get() + " " + link.status().serialText.get()));
    EXPECT_EQ(row[7], "complete");
    EXPECT_EQ(row[8], "") << "not signed";

    auto *copy = dynamic_cast<CScanFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, scan);
    ASSERT_EQ(copy->spectra().size(), 1u);
    const std::vector<float> &copied = copy->spectra().at(0).points();
    ASSERT_EQ(copied.size(), measured.size());
    for (std::size_t i = 0; i < measured.size(); ++i)
        EXPECT_NEAR(copied[i], measured[i], 5e-7)
            << "as the spectrum file keeps it, six decimals; point " << i;

    store::SqliteStore check(dir.file("results.sqlite"), "check");
    EXPECT_TRUE(store::verifyTrail(check).holds);
    EXPECT_EQ(check.result(1)->sha256, shell::sha256Hex(check.result(1)->data));
    scan->spectra().at(0).modified = false;
    frame.close();
}

// A store that cannot be reached: the operator hears it once, the status item counts what waits, and
// nothing is dropped while the program runs.
TEST_F(MainFrameTest, AnUnreachableStoreIsSaidOnceAndItsWorkWaits) {
    ResultsRecorder recorder(link, messages, []() -> std::unique_ptr<store::ResultStore> {
        throw store::StoreError("unable to open database file");
    });
    CMainFrame frame(link, &messages, 0);
    frame.setRecorder(&recorder);
    recorder.record("login", "");
    recorder.record("document saved", "/data/a.sca");
    EXPECT_FALSE(recorder.flush(std::chrono::milliseconds(200)));
    EXPECT_EQ(recorder.waiting(), 2u);
    ASSERT_TRUE(pumpUntil([&] { return recorder.paneText() == "Store: offline, 2 waiting"; }));
    const auto told =
        std::count(messages.shown.begin(), messages.shown.end(),
                   "The results store cannot be opened: unable to open database file. Results are "
                   "kept in files only.");
    EXPECT_EQ(told, 1);
    EXPECT_EQ(recorder.headText(), "");
}

// The trail hears of the instrument's link going and coming and of settings that change, with the
// old and the new value, a password's hidden; a value written again unchanged is no event.
TEST_F(MainFrameTest, TheTrailHearsOfTheLinkAndOfChangedSettings) {
    ResultsRecorder recorder(link, messages, storeInTheTestFolder());
    CMainFrame frame(link, &messages, 0);
    frame.setRecorder(&recorder);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().stationReady.load() != 0; }));
    QAction *linkCommand = commandAction(frame, shell::kCmdLink);
    ASSERT_TRUE(pumpUntil([&] { return linkCommand->isChecked(); }));
    linkCommand->trigger();
    ASSERT_TRUE(pumpUntil([&] { return !linkCommand->isChecked(); }));
    ProfileFile settings(kAnalystSettingsFile, true);
    settings.PutString("Lab", "Temperature", "25");
    settings.PutString("Lab", "Temperature", "25");
    settings.PutString("Lab", "Temperature", "21");
    settings.PutString("Spectavo", "Password", "sha256$salt$hash");
    settings.PutString("Spectavo", "Maximized", "0");
    ASSERT_TRUE(recorder.flush(std::chrono::seconds(10)));

    store::SqliteStore check(dir.file("results.sqlite"), "check");
    std::vector<std::string> events;
    check.visitEvents({}, [&events](const store::AuditEvent &event) {
        events.push_back(event.kind + " " + event.details);
        return true;
    });
    const std::string instrument = link.status().modelName.get();
    ASSERT_EQ(events.size(), 5u) << ::testing::PrintToString(events);
    EXPECT_EQ(events[0].rfind("link up {\"model\": \"" + instrument, 0), 0u) << events[0];
    EXPECT_EQ(events[1].rfind("link down ", 0), 0u) << events[1];
    const std::string temperature = "setting changed {\"file\": \"tarvesta.zav.analyst.ini\", \"section\": "
                                    "\"Lab\", \"key\": \"Temperature\", ";
    EXPECT_EQ(events[2], temperature + "\"old\": null, \"new\": \"25\"}");
    EXPECT_EQ(events[3], temperature + "\"old\": \"25\", \"new\": \"21\"}");
    EXPECT_NE(events[4].find("\"old\": null, \"new\": \"(hidden)\""), std::string::npos) << events[4];
    EXPECT_TRUE(store::verifyTrail(check).holds);
    frame.close();
}

// The workstation locks while a scan runs: the scan goes on to its end under the lock, the person's
// password unlocks, and a lab manager's password ends the session instead.
TEST_F(MainFrameTest, TheIdleLockKeepsARunningScanGoing) {
    store::SqliteStore accounts(dir.file("accounts.sqlite"), "bench-1");
    store::AccountBook book(accounts, {}, {1, 8192});
    const store::Account manager = *book.setUp("lm", "Lena Meyer", "manager-pass").account;
    const store::Account analyst =
        *book.addAccount(manager, "ana", "Ana Vega", shell::Role::Analyst, "analyst-pass").account;
    CMainFrame frame(link, &messages, 0);
    frame.show();
    ASSERT_TRUE(pumpUntil([&] { return link.status().stationReady.load() != 0; }));
    int loggedOut = 0;
    IdleLock lock(
        book, messages, analyst, std::chrono::minutes(15), [&loggedOut] { ++loggedOut; }, &frame);
    frame.shared().scan.high = 500.0f;
    frame.shared().scan.low = 400.0f;
    ASSERT_TRUE(frame.newDocument(shell::DocumentKind::WavelengthScan));
    auto *scan = dynamic_cast<CScanFrame *>(frame.documents()->activeSubWindow()->widget());
    ASSERT_NE(scan, nullptr);
    scan->refreshCommands();
    scan->action(CScanFrame::kStart)->trigger();
    ASSERT_TRUE(scan->acquisition().scanning());

    // Under the lock, once the scan has ended, the password comes.
    const auto unlockWhenScanned = [&](const char *userId, const char *password) {
        auto *watcher = new QTimer(&frame);
        QObject::connect(watcher, &QTimer::timeout, [=] {
            auto *dialog = dynamic_cast<CLockDialog *>(QApplication::activeModalWidget());
            if (!dialog || scan->acquisition().scanning())
                return;
            watcher->deleteLater();
            watcher->stop();
            dialog->findChild<QLineEdit *>("userId")->setText(userId);
            dialog->findChild<QLineEdit *>("password")->setText(password);
            dialog->attempt();
        });
        watcher->start(20);
    };
    unlockWhenScanned("ana", "analyst-pass");
    lock.check(IdleLock::Clock::now() + std::chrono::minutes(1));
    EXPECT_TRUE(scan->acquisition().scanning()) << "one minute idle is not enough to lock";
    lock.check(IdleLock::Clock::now() + std::chrono::minutes(16));
    EXPECT_FALSE(lock.locked());
    EXPECT_FALSE(scan->acquisition().scanning());
    ASSERT_EQ(scan->spectra().size(), 1u) << "the scan ended under the lock with its spectrum";
    EXPECT_EQ(loggedOut, 0);

    scan->refreshCommands();
    scan->action(CScanFrame::kStart)->trigger();
    unlockWhenScanned("lm", "manager-pass");
    lock.lockNow();
    EXPECT_EQ(loggedOut, 1) << "a lab manager's password ends the session";
    for (std::size_t i = 0; i < scan->spectra().size(); ++i)
        scan->spectra().at(i).modified = false;
    frame.close();
}

} // namespace
} // namespace spectavo::app
