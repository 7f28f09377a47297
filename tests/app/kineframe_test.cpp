// The time-scan window, offscreen: its scans on the virtual instrument with the shipped kinetics
// settings, its files with scripted answers, the instrument's stored time scan and the printed pages.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/scan/displayrangedialog.h"
#include "app/scan/scanlistview.h"
#include "app/scan/scanproperty.h"
#include "app/scan/time/kineframe.h"
#include "app/scan/time/kineview.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "core/config/profilefile.h"
#include "core/link/commands.h"
#include "core/scan/chartstyle.h"
#include "core/scan/time/kinefile.h"
#include "support/linkeddriver.h"
#include "support/manualtimers.h"
#include "support/qtevents.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

using Answer = shell::MessageService::Answer;

class ScriptedChooser : public FileChooser {
public:
    QString chooseOpen(QWidget *, const QString &) override { return next; }
    QString chooseSave(QWidget *, const QString &, const QString &proposal, const QString &) override {
        proposals.push_back(proposal.toStdString());
        return next;
    }
    QString next;
    std::vector<std::string> proposals;
};

using test::ManualTimers;

constexpr double kSimSpeed = 10.0;
constexpr int kReactionCell = 6;

class KineWindowTest : public ::testing::Test {
protected:
    KineWindowTest() {
        installMessages(&messages);
        installFileChooser(&chooser);
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
        // The kinetics settings as shipped.
        std::filesystem::copy_file(SPECTAVO_BIN_DIR "/../config/tarvesta.zav.func.kinetics.ini",
                                   dir.file("config/tarvesta.zav.func.kinetics.ini"));
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"), "[Simulation]\nBoot=1\nSpeed=10\n");
    }
    ~KineWindowTest() override {
        frame.reset();
        installFileChooser(nullptr);
        installMessages(nullptr);
    }
    WindowHost host(link::StationLink &link) {
        WindowHost made{{link, shared, flags, accessories},
                        [this](const std::string &text) { states.push_back(text); }};
        made.keepResult = [this](store::ResultRecord result) { kept.push_back(std::move(result)); };
        made.trailHead = [this] { return trailHead; };
        return made;
    }
    void linkUp(KineTimers *timers = nullptr) {
        ASSERT_TRUE(instrument.connect(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so"));
        ASSERT_TRUE(test::eventually([&] { return instrument.link.status().stationReady.load() != 0; }));
        frame = std::make_unique<CKineFrame>(host(instrument.link), timers);
        frame->resize(900, 560);
        frame->show();
    }
    void offline() {
        frame = std::make_unique<CKineFrame>(host(offlineLink));
        frame->resize(900, 560);
    }
    template <typename Condition>
    bool pumpUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        return test::pumpUntil(condition, limit);
    }
    void trigger(CKineFrame::Command command) {
        frame->refreshCommands();
        test::triggerEnabled(frame->action(command));
    }
    // The reaction cell in the light path and the monochromator at 340 nm, as after the setup's OK.
    void prepareReaction(float totalTime, float step) {
        ASSERT_TRUE(instrument.link.commands().SelectCellOnce(kReactionCell));
        ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().currentCell.load() == kReactionCell; }));
        shared.kinetics.wavelength = 340.0f;
        shared.kinetics.totalTime = totalTime;
        shared.kinetics.step = step;
        goto340();
        // The band's own absorbance in the readings the instrument streams: the scan samples them.
        ASSERT_TRUE(pumpUntil([&] { return instrument.link.acquisition().lastAbsorbance.load() > 1.0f; }));
    }
    void goto340() {
        shared.kinetics.wavelength = 340.0f;
        frame->setupConfirmed();
        ASSERT_TRUE(pumpUntil([&] {
            return !instrument.link.acquisition().open.load() &&
                   instrument.link.status().currentWavelengthTenths.load() == 3400;
        }));
    }
    // A curve file of `points` at 1 s, written as the window writes it.
    std::string curveFile(const std::string &name, std::vector<float> points) {
        scan::CKineSpectrum curve;
        curve.totalTime = static_cast<int>(points.size()) - 1;
        curve.step = 1.0f;
        curve.allocatePoints();
        curve.points() = std::move(points);
        const std::string path = dir.file(name);
        EXPECT_TRUE(writeCurveFile(curve, path, scan::MemoUse::LeaveSettings));
        return path;
    }

    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::RecordingMessageService messages;
    ScriptedChooser chooser;
    link::StationLink offlineLink;
    test::LinkedDriver instrument;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
    std::vector<std::string> states;
    // The results the window handed to the store, and the trail's head it prints.
    std::vector<store::ResultRecord> kept;
    std::string trailHead;
    std::unique_ptr<CKineFrame> frame;
};

TEST_F(KineWindowTest, TwentySecondsOfTheReactionGiveFortyOnePointsAndItsRate) {
    linkUp();
    prepareReaction(20.0f, 0.5f);
    trigger(CKineFrame::kStart);
    ASSERT_EQ(frame->curves().size(), 1u);
    EXPECT_TRUE(frame->action(CKineFrame::kStart)->isChecked());
    EXPECT_FALSE(frame->action(CKineFrame::kSave)->isEnabled()) << "the curve is being measured";
    EXPECT_FALSE(frame->action(CKineFrame::kDynamicAnalysis)->isEnabled())
        << "no rate of a curve still measured";
    ASSERT_TRUE(pumpUntil([&] { return !frame->acquisition().running(); }, std::chrono::seconds(40)));
    const scan::CKineSpectrum &curve = frame->curves().at(0);
    EXPECT_EQ(curve.points().size(), 41u);
    EXPECT_EQ(curve.count.load(), 41);
    EXPECT_EQ(curve.wavelength, 340.0f);
    // The band loses 0.05 absorbance per minute of the instrument's time, which runs ten times faster.
    const double expected = -0.05 * kSimSpeed;
    EXPECT_NEAR(curve.rateResult, expected, std::abs(expected) * 0.05);
    EXPECT_LT(curve.r, -0.99f);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Time scan completed, please continue your work."});
    // Kept as a result with the rate in its bytes, as a save of it writes them.
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].kind, "timescan");
    EXPECT_EQ(kept[0].state, "complete");
    EXPECT_EQ(kept[0].method, "340.0 nm, every 0.5 s for 20 s");
    EXPECT_EQ(kept[0].data, scan::curveFileText(curve));
    EXPECT_NE(kept[0].data.find("IU="), std::string::npos);
    EXPECT_TRUE(std::find(states.begin(), states.end(), "Time:10.0s") != states.end()) << "the time reached";
    EXPECT_EQ(frame->curveBox()->currentText(), "Sample-1");
    // The chart shows what was measured: 20 s across, the curve's values up, not the last scales.
    EXPECT_FLOAT_EQ(frame->display().range().xMin, 0.0f);
    EXPECT_FLOAT_EQ(frame->display().range().xMax, 20.0f);
    const auto [lowest, highest] = std::minmax_element(curve.points().begin(), curve.points().end());
    EXPECT_LT(frame->display().range().absMin, *lowest);
    EXPECT_GT(frame->display().range().absMax, *highest);
    EXPECT_LT(frame->display().range().absMax - frame->display().range().absMin,
              2.0f * (*highest - *lowest) + 0.1f);
    EXPECT_EQ(frame->peakList()->rowCount(), 0) << "a steady reaction has no peak or valley";
    trigger(CKineFrame::kShowPeaks);
    trigger(CKineFrame::kShowValleys);
    EXPECT_EQ(frame->peakList()->rowCount(), 41) << "neither switch on: every point";
    EXPECT_TRUE(frame->action(CKineFrame::kSave)->isEnabled());
}

TEST_F(KineWindowTest, StoppingMidScanSaysBrokenOnceAndKeepsTheMeasuredPoints) {
    linkUp();
    prepareReaction(100.0f, 0.5f);
    trigger(CKineFrame::kStart);
    ASSERT_TRUE(pumpUntil([&] { return frame->curves().at(0).count.load() >= 5; }));
    instrument.link.operations().StopMeasurement();
    ASSERT_TRUE(pumpUntil([&] { return !frame->acquisition().running(); }));
    QApplication::processEvents();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Time scan has been broken."});
    const scan::CKineSpectrum &curve = frame->curves().at(0);
    EXPECT_FALSE(curve.acquiring.load());
    EXPECT_LT(curve.totalTime, 100);
    EXPECT_EQ(curve.points().size(), curve.fullPointCount());
    for (float point : curve.points())
        EXPECT_GT(point, 0.5f) << "every point kept was measured";
    // Closing asks about the unsaved curve; Cancel keeps the window.
    messages.saveAnswers = {Answer::Cancel};
    EXPECT_FALSE(frame->confirmClose());
    EXPECT_EQ(messages.asked.back(), curve.sampleName() + " has not been saved. Save it now?");
}

TEST_F(KineWindowTest, AutorunFillsEachCellsCurveFromItsCellOnTheInstrument) {
    ManualTimers timers;
    accessories.cellInstalled = {1, 0, 0, 0, 0, 0, 1, 0};
    accessories.cellName[0] = "Blank";
    accessories.cellName[6] = "NADH";
    linkUp(&timers);
    goto340();
    shared.kinetics.totalTime = 60.0f;
    shared.kinetics.step = 10.0f;
    trigger(CKineFrame::kAutorun);
    EXPECT_EQ(shared.kinetics.step, 30.0f);
    ASSERT_EQ(frame->curves().size(), 2u);
    scan::CKineSpectrum &blank = frame->curves().at(1);
    scan::CKineSpectrum &nadh = frame->curves().at(0);
    EXPECT_EQ(blank.colour, scan::indexedColour(4)) << "ThisColor of the shipped settings";
    EXPECT_EQ(nadh.colour, scan::indexedColour(5));
    EXPECT_FALSE(frame->action(CKineFrame::kStart)->isEnabled());
    for (int cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        frame->acquisition().cycleTick();
        for (scan::CKineSpectrum *curve : {&blank, &nadh}) {
            const int before = curve->count.load();
            ASSERT_TRUE(pumpUntil([&] { return timers.settle == 2000; }));
            frame->acquisition().settleTick();
            ASSERT_TRUE(pumpUntil([&] { return curve->count.load() == before + 1; }));
        }
    }
    EXPECT_FALSE(blank.acquiring.load());
    EXPECT_FALSE(nadh.acquiring.load());
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_FALSE(instrument.link.acquisition().open.load());
    for (float point : blank.points())
        EXPECT_NEAR(point, 0.0f, 0.05f) << "the blank cell's readings";
    for (float point : nadh.points())
        EXPECT_GT(point, 0.5f) << "the reaction cell's readings";
}

TEST_F(KineWindowTest, RemoteStartShowsNoMessageAndReportsTheEnd) {
    linkUp();
    prepareReaction(2.0f, 0.5f);
    frame->remoteStart(link::kRemoteMeasure);
    ASSERT_TRUE(frame->acquisition().running());
    ASSERT_TRUE(pumpUntil([&] { return !frame->acquisition().running(); }));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(flags.remoteStartFlag, 0);
}

TEST_F(KineWindowTest, TheStoredTimeScanOfTheInstrumentDownloadsAndOtherTypesAreRefused) {
    linkUp();
    EXPECT_FALSE(frame->takeInstrumentFile({1, {0x10, 2}}));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"File type mismatched, please select another one."});
    EXPECT_TRUE(frame->curves().empty());
    messages.shown.clear();
    ASSERT_TRUE(frame->takeInstrumentFile({2, {0x10, 3}}));
    ASSERT_TRUE(pumpUntil([&] { return !frame->curves().empty(); }));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(instrument.link.acquisition().open.load()) << "the link is released";
    const scan::CKineSpectrum &stored = frame->curves().at(0);
    EXPECT_EQ(stored.name, "NADH01");
    EXPECT_EQ(stored.points().size(), 61u);
    EXPECT_NEAR(stored.wavelength, 340.0f, 0.05f);
    EXPECT_NEAR(stored.rateResult, -0.05f, 1e-4f);
    EXPECT_EQ(frame->curveBox()->currentText(), "NADH01");
}

TEST_F(KineWindowTest, SaveExportAndRemoveOfferTheCurvesOwnName) {
    offline();
    ASSERT_TRUE(frame->openFile(QString::fromStdString(curveFile("source.kin", {0.0f, 0.1f, 0.2f, 0.3f}))));
    scan::CKineSpectrum &curve = frame->curves().at(0);
    curve.name = "run A";
    chooser.next = QString::fromStdString(dir.file("saved.kin"));
    trigger(CKineFrame::kSave);
    chooser.next = QString::fromStdString(dir.file("table.txt"));
    frame->refreshCommands();
    test::triggerEnabled(frame->exportAction("Abs/T% table"));
    EXPECT_EQ(chooser.proposals, (std::vector<std::string>{"run A", "run A.txt"}));
    EXPECT_EQ(test::readBytes(dir.file("table.txt")).substr(0, 25), " Time      Abs       T%\r\n");
    scan::CKineSpectrum reread = scan::CKineSpectrum::makeNew();
    ASSERT_TRUE(readCurveFile(dir.file("saved.kin"), reread));
    EXPECT_EQ(reread.points(), curve.points());

    // Remove asks about a modified curve; No removes it without saving.
    curve.modified = true;
    messages.saveAnswers = {Answer::No};
    trigger(CKineFrame::kRemove);
    EXPECT_TRUE(frame->curves().empty());
    EXPECT_EQ(frame->curveBox()->count(), 0);
    EXPECT_FALSE(frame->action(CKineFrame::kSave)->isEnabled());
}

TEST_F(KineWindowTest, BoxEntriesSelectTheirOwnCurveWhenNamesRepeat) {
    offline();
    for (const char *name : {"twin.kin", "twin.kin"})
        ASSERT_TRUE(frame->openFile(QString::fromStdString(curveFile(name, {0.0f, 0.5f, 0.0f}))));
    frame->curves().at(0).points()[1] = 0.9f;
    QComboBox *box = frame->curveBox();
    ASSERT_EQ(box->count(), 2);
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_EQ(frame->curves().currentIndex(), 1u)
        << "the second entry is the second curve, not the first of its name";
}

TEST_F(KineWindowTest, ProcessingMakesTheNewCurveCurrentWithItsSourcesColour) {
    offline();
    ASSERT_TRUE(
        frame->openFile(QString::fromStdString(curveFile("square.kin", {0.0f, 1.0f, 4.0f, 9.0f, 16.0f}))));
    frame->curves().at(0).colour = scan::indexedColour(9);
    // The derivative's dialog is confirmed unchanged: one pass.
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    trigger(CKineFrame::kDerivative);
    ASSERT_EQ(frame->curves().size(), 2u);
    EXPECT_EQ(frame->curves().currentIndex(), 0u);
    const scan::CKineSpectrum &derived = frame->curves().at(0);
    EXPECT_EQ(derived.points(), (std::vector<float>{1.0f, 3.0f, 5.0f, 7.0f, 7.0f}));
    EXPECT_EQ(derived.colour, scan::indexedColour(9));
    EXPECT_EQ(derived.name, "square.kin-d");
}

// The rate fit is a Measure command of its own, and its sheet shows every tab without scrolling.
TEST_F(KineWindowTest, DynamicAnalysisOpensTheSheetAtTheRateOfTheCurrentCurve) {
    offline();
    frame->refreshCommands();
    EXPECT_FALSE(frame->action(CKineFrame::kDynamicAnalysis)->isEnabled()) << "no curve, no rate";
    ASSERT_TRUE(frame->openFile(QString::fromStdString(curveFile("line.kin", {0.1f, 0.2f, 0.3f, 0.4f}))));
    QString shownTab;
    bool everyTabShows = false;
    QTimer::singleShot(0, [&] {
        if (auto *sheet = dynamic_cast<CScanProperty *>(QApplication::activeModalWidget())) {
            shownTab = sheet->pages()->tabText(sheet->pages()->currentIndex());
            sheet->adjustSize();
            everyTabShows = sheet->pages()->tabBar()->sizeHint().width() <= sheet->pages()->width();
            sheet->reject();
        }
    });
    trigger(CKineFrame::kDynamicAnalysis);
    EXPECT_EQ(shownTab, "Dynamic Analysis");
    EXPECT_TRUE(everyTabShows);
}

TEST_F(KineWindowTest, PrintsTheChartPageAndTheDataPagesIntoAPdf) {
    offline();
    std::vector<float> points(121);
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i] = 1.0f + 0.3f * std::sin(static_cast<float>(i) / 8.0f);
    ASSERT_TRUE(frame->openFile(QString::fromStdString(curveFile("wave.kin", points))));
    // Every point on the data pages: neither peaks nor valleys chosen.
    frame->display().range().showPeaks = 0;
    frame->display().range().showValleys = 0;
    frame->display().range().xMax = 120.0f;
    const std::string pdf = dir.file("wave.pdf");
    trailHead = "Audit trail: event 7, 0123456789abcdef";
    ASSERT_TRUE(frame->printToPdf(QString::fromStdString(pdf)));
    const std::string text = dir.file("wave.txt");
    ASSERT_EQ(std::system(("pdftotext -f 1 -l 1 " + pdf + " " + text).c_str()), 0);
    EXPECT_NE(test::readBytes(text).find(trailHead), std::string::npos) << "the page names the trail's head";
    const std::string bytes = test::readBytes(pdf);
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_EQ(static_cast<int>(pages), frame->printedPageCount());
    EXPECT_GE(pages, 2u) << "a chart page and the data pages";
    const std::string command = "pdftoppm -r 20 -png " + pdf + " " + dir.file("page");
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("page-1.png")));
    // Without the chart page the job has one page fewer.
    ProfileFile(dir.file("config/tarvesta.zav.func.kinetics.ini"), false).PutInt("Print", "PrintSpectrum", 0);
    ASSERT_TRUE(frame->printToPdf(QString::fromStdString(dir.file("data.pdf"))));
    EXPECT_EQ(frame->printedPageCount(), static_cast<int>(pages) - 1);
}

TEST_F(KineWindowTest, TheTraceCursorBeyondTheCurveJumpsToTimeZero) {
    offline();
    frame->show();
    ASSERT_TRUE(
        frame->openFile(QString::fromStdString(curveFile("short.kin", {0.2f, 0.4f, 0.6f, 0.8f, 1.0f}))));
    frame->view()->setSearchMode(true);
    frame->view()->traceAt(frame->view()->width() - 40); // near 100 s, far beyond the 4 s curve
    ASSERT_TRUE(frame->view()->cursorIndex());
    EXPECT_EQ(*frame->view()->cursorIndex(), 0);
}

TEST_F(KineWindowTest, TheDisplayRangeDialogTakesWholeSecondsBeyondTheBaseScales) {
    scan::DisplayHistory display(scan::CDisplayRange::loadKinetic(ProfileFile(dir.file("none.ini"), false)));
    CDisplayRangeDialog dialog(display,
                               scan::BaseScales::loadKinetic(ProfileFile(dir.file("none.ini"), false)), true);
    dialog.findChild<QLineEdit *>("xMax")->setText("3600.5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(messages.shown.back(), "Please enter an integer between 0 and 100000.");
    dialog.findChild<QLineEdit *>("xMax")->setText("3600");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(display.range().xMax, 3600.0f) << "a time scan may be longer than the 100 s it restores to";
}

} // namespace
} // namespace spectavo::app
