// The wavelength-scan window, offscreen: its files and its scans on the virtual instrument at high
// speed, as the operator would run them from the menus.

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/scan/displayrangedialog.h"
#include "app/scan/scanframe.h"
#include "app/scan/scanlistview.h"
#include "app/scan/scanproperty.h"
#include "app/scan/scansetupdialog.h"
#include "app/scan/scansmooth.h"
#include "app/scan/sysmathsavgol.h"
#include "app/scan/waveview.h"
#include "app/shell/filemanagementdialog.h"
#include "app/shell/notifyevent.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/filechooser.h"
#include "app/widgets/fontcolourdialog.h"
#include "core/dataproc/marks.h"
#include "core/link/bytes.h"
#include "core/link/commands.h"
#include "core/scan/chartstyle.h"
#include "core/scan/scanoperations.h"
#include "core/scan/wave/wavefile.h"
#include "support/linkeddriver.h"
#include "support/qtevents.h"
#include "support/recordingmessageservice.h"
#include "support/simcontrol.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

using RecordingMessages = test::RecordingMessageService;
using test::simControl;

class ScriptedChooser : public FileChooser {
public:
    QString chooseOpen(QWidget *, const QString &) override { return next; }
    QString chooseSave(QWidget *, const QString &, const QString &proposal, const QString &) override {
        proposed = proposal;
        return next;
    }
    QString next;
    QString proposed;
};

bool listsWavelengthNear(const CScanListView &list, double nm) {
    for (int i = 0; i < list.rowCount(); ++i)
        if (std::abs(list.text(i, 0).chopped(2).toDouble() - nm) <= 0.5)
            return true;
    return false;
}

// A window's private settings folder with a step table that offers 0.5 nm.
class ScanWindowTest : public ::testing::Test {
protected:
    explicit ScanWindowTest(const char *simSpeed = "100") {
        installMessages(&messages);
        installFileChooser(&chooser);
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
        test::writeBytes(dir.file("config/tarvesta.zav.func.wavescan.ini"),
                         "[Steps]\nSteps=3\nStep1=0.1nm\nStep2=0.5nm\nStep3=1nm\n"
                         "[Filters]\nFilters=2\nFilter1=1\nFilter2=2\n");
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"),
                         std::string("[Simulation]\nBoot=1\nSpeed=") + simSpeed + "\n");
        shared.scan.high = 700.0f;
        shared.scan.low = 400.0f;
        shared.scan.stepIndex = 1;
        shared.scan.filterIndex = 0;
    }
    ~ScanWindowTest() override {
        frame.reset();
        installFileChooser(nullptr);
        installMessages(nullptr);
    }
    // The window on the virtual instrument, linked and ready.
    void linkUp() {
        ASSERT_TRUE(instrument.connect(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so"));
        ASSERT_TRUE(test::eventually([&] { return instrument.link.status().stationReady.load() != 0; }));
        ScanFrameHost host{{instrument.link, shared, flags, accessories},
                           [this](const std::string &text) { states.push_back(text); }};
        host.keepResult = [this](store::ResultRecord result) { kept.push_back(std::move(result)); };
        frame = std::make_unique<CScanFrame>(std::move(host));
        frame->resize(900, 560);
        frame->show();
    }
    template <typename Condition>
    bool pumpUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        return test::pumpUntil(condition, limit);
    }
    void trigger(CScanFrame::Command command) {
        frame->refreshCommands();
        test::triggerEnabled(frame->action(command));
    }
    void triggerExport(const std::string &formatName) {
        frame->refreshCommands();
        test::triggerEnabled(frame->exportAction(formatName));
    }
    bool scanEnded() const { return !frame->acquisition().scanning(); }

    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    RecordingMessages messages;
    ScriptedChooser chooser;
    test::LinkedDriver instrument;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
    std::vector<std::string> states;
    // The results the window handed to the store.
    std::vector<store::ResultRecord> kept;
    std::unique_ptr<CScanFrame> frame;
};

TEST_F(ScanWindowTest, AHolmiumFileListsItsPointsThenItsPeaks) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    const scan::CWaveSpectrum &spectrum = *window->spectra().current();
    const CScanListView &list = *window->peakList();
    EXPECT_EQ(static_cast<std::size_t>(list.rowCount()), spectrum.points().size())
        << "with neither switch on the list is the spectrum as a table";
    window->action(CScanFrame::kShowPeaks)->trigger();
    EXPECT_EQ(list.rowCount(), spectrum.peakCount());
    EXPECT_TRUE(listsWavelengthNear(list, 536.4));
    EXPECT_TRUE(listsWavelengthNear(list, 450.8));
    EXPECT_EQ(list.heading(1), "Abs");
    window->setAbsorbance(false);
    EXPECT_EQ(list.heading(1), "T(%)");
    EXPECT_FALSE(window->openFile("/nonexistent/file.sca"));
    EXPECT_EQ(window->spectra().size(), 1u) << "a file that cannot be read adds nothing";
    window.reset();
    EXPECT_NE(test::readBytes(dir.file("config/tarvesta.zav.func.wavescan.ini")).find("ShowPeak=1"),
              std::string::npos)
        << "the display record is kept for the next window";
}

// The Compute menu is the operations table: its entries, in order, and an entry runs the table's
// operation through its dialog.
TEST_F(ScanWindowTest, TheComputeMenuRunsTheOperationsTable) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    QMenu *compute = nullptr;
    for (QMenu *menu : window->menus())
        if (menu->title() == "&Compute")
            compute = menu;
    ASSERT_NE(compute, nullptr);
    QStringList shown;
    for (QAction *action : compute->actions())
        if (!action->isSeparator())
            shown << action->text();
    QStringList table;
    for (const scan::OperationInfo &info : scan::operations())
        table << QString(info.spectrumMenuText);
    EXPECT_EQ(shown, table);

    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    window->refreshCommands();
    test::triggerEnabled(window->action(CScanFrame::kSmooth));
    ASSERT_EQ(window->spectra().size(), 2u);
    EXPECT_EQ(window->spectra().current()->name, window->spectra().at(1).sampleName() + "-s")
        << "the smoothing dialog's proposed name";
    EXPECT_NE(window->spectra().current()->points(), window->spectra().at(1).points())
        << "the smoothed spectrum in front, the source behind it";
    for (std::size_t i = 0; i < window->spectra().size(); ++i)
        window->spectra().at(i).modified = false;
}

TEST_F(ScanWindowTest, SampleScanOverTheHolmiumCellFindsItsPeaks) {
    linkUp();
    ASSERT_TRUE(instrument.link.operations().RequestCell(1));
    ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().currentCell.load() == 1; }));
    trigger(CScanFrame::kStart);
    ASSERT_TRUE(frame->acquisition().scanning());
    EXPECT_EQ(states.back(), "Wait...");
    ASSERT_TRUE(pumpUntil([&] { return scanEnded(); }));
    EXPECT_EQ(states.back(), "Ready");
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Finish scanning the sample, please continue your work."});
    const scan::CWaveSpectrum &spectrum = frame->spectra().at(0);
    EXPECT_EQ(spectrum.name, "Sample-1");
    EXPECT_EQ(spectrum.points().size(), 601u);
    // Kept as a result: the bytes a save of it writes, how and when it was measured.
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].kind, "wavescan");
    EXPECT_EQ(kept[0].state, "complete");
    EXPECT_EQ(kept[0].sample, spectrum.sampleName());
    EXPECT_EQ(kept[0].method, "700.0-400.0 nm, step 0.50 nm, filter 1");
    EXPECT_EQ(kept[0].dataFormat, "sca");
    EXPECT_EQ(kept[0].data, scan::spectrumFileText(spectrum));
    EXPECT_NE(kept[0].data.find("Xmax->Xmin: 700.000000 -> 400.000000"), std::string::npos);
    EXPECT_LE(kept[0].startedUtc, kept[0].endedUtc);
    EXPECT_EQ(frame->peakList()->rowCount(), 601) << "the finished scan, point for point";
    EXPECT_FLOAT_EQ(frame->display().range().xMin, 400.0f) << "the chart shows the measured range";
    EXPECT_FLOAT_EQ(frame->display().range().xMax, 700.0f);
    EXPECT_TRUE(frame->display().canUndo()) << "the scales before the fit are an undo away";
    EXPECT_EQ(frame->peakList()->text(600, 0), "700.0nm");
    frame->action(CScanFrame::kShowPeaks)->trigger();
    EXPECT_TRUE(listsWavelengthNear(*frame->peakList(), 536.4));
    EXPECT_TRUE(listsWavelengthNear(*frame->peakList(), 450.8));

    // Saved, exported and printed from the window's commands.
    chooser.next = QString::fromStdString(dir.file("holmium-scan.sca"));
    trigger(CScanFrame::kSave);
    EXPECT_FALSE(frame->spectra().at(0).modified);
    EXPECT_NE(test::readBytes(dir.file("holmium-scan.sca")).find("Xmax->Xmin: 700.000000 -> 400.000000"),
              std::string::npos);
    chooser.next = QString::fromStdString(dir.file("holmium-scan.csv"));
    triggerExport("CSV");
    EXPECT_TRUE(std::filesystem::exists(dir.file("holmium-scan.csv")));
    chooser.next = QString::fromStdString(dir.file("holmium-scan.jdx"));
    triggerExport("JCAMP-DX");
    EXPECT_NE(test::readBytes(dir.file("holmium-scan.jdx")).find("##JCAMP-DX="), std::string::npos);
}

class SlowScanWindowTest : public ScanWindowTest {
protected:
    SlowScanWindowTest() : ScanWindowTest("2") {}
};

TEST_F(SlowScanWindowTest, AStoppedScanKeepsTheMeasuredPartOnly) {
    linkUp();
    trigger(CScanFrame::kStart);
    ASSERT_TRUE(pumpUntil([&] { return frame->acquisition().progress().received >= 40; }));
    EXPECT_EQ(frame->peakList()->rowCount(), 0) << "a record still being written is not listed";
    instrument.link.operations().StopMeasurement(); // the main window's Stop
    ASSERT_TRUE(pumpUntil([&] { return scanEnded(); }));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Wavelength scanning has been broken."});
    scan::CWaveSpectrum spectrum = frame->spectra().at(0);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].state, "stopped");
    EXPECT_EQ(kept[0].data, scan::spectrumFileText(spectrum)) << "the part measured, as kept";
    EXPECT_FALSE(spectrum.acquiring.load());
    EXPECT_EQ(spectrum.end, 700.0f) << "the scan starts at the high end";
    EXPECT_GT(spectrum.start, 400.0f) << "the range ends at the last measured wavelength";
    EXPECT_GE(spectrum.points().size(), 40u);
    EXPECT_EQ(spectrum.points().size(), spectrum.pointCount());
    EXPECT_EQ(static_cast<std::size_t>(frame->peakList()->rowCount()), spectrum.points().size())
        << "the list follows the part kept";
    EXPECT_EQ(spectrum.arrived.load(), static_cast<int>(spectrum.points().size()))
        << "no hole in the part kept";
    EXPECT_NE(spectrum.marks().front(), dataproc::kSignificantPeak) << "no peak at the cut";
    EXPECT_NE(spectrum.marks().front(), dataproc::kSignificantValley) << "no valley at the cut";
    EXPECT_TRUE(frame->action(CScanFrame::kSave)->isEnabled());

    // Saved and read back, the file holds the measured range and nothing else.
    const std::string path = dir.file("stopped.sca");
    ASSERT_TRUE(writeSpectrumFile(spectrum, path));
    scan::CWaveSpectrum loaded;
    ASSERT_TRUE(readSpectrumFile(path, loaded));
    EXPECT_NEAR(loaded.start, spectrum.start, 0.05f);
    EXPECT_EQ(loaded.pointCount(), spectrum.points().size());
}

TEST_F(ScanWindowTest, BaselineScanBecomesTheReferenceAndAStepChangeZeroesIt) {
    linkUp();
    ASSERT_TRUE(instrument.link.operations().RequestCell(1));
    ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().currentCell.load() == 1; }));
    trigger(CScanFrame::kBaseline);
    ASSERT_TRUE(pumpUntil([&] { return scanEnded(); }));
    EXPECT_TRUE(frame->spectra().empty()) << "the baseline spectrum leaves the list";
    const std::vector<float> &reference = shared.baseline->points();
    EXPECT_GT(*std::max_element(reference.begin(), reference.begin() + 600), 0.5f) << "holmium's bands";

    // A sample scan of the same cell against it is flat.
    trigger(CScanFrame::kStart);
    ASSERT_TRUE(pumpUntil([&] { return scanEnded(); }));
    const std::vector<float> &corrected = frame->spectra().at(0).points();
    // The first point scanned (the last index) was the reference's blank and is not subtracted.
    const auto [low, high] = std::minmax_element(corrected.begin(), corrected.end() - 1);
    EXPECT_LT(*high - *low, 0.02f) << *low << " .. " << *high;

    shared.scan.stepIndex = 2;
    ASSERT_TRUE(frame->acquisition().sendScanParameters());
    EXPECT_TRUE(std::all_of(reference.begin(), reference.end(), [](float v) { return v == 0.0f; }));
}

TEST_F(ScanWindowTest, AutorunScansCellsOneThreeAndFourInOrder) {
    accessories.cellInstalled = {0, 1, 0, 1, 1, 0, 0, 0};
    shared.scan.stepIndex = 2; // 1 nm: short scans
    linkUp();
    ASSERT_EQ(instrument.link.status().cellCount.load(), 8);
    trigger(CScanFrame::kAutorun);
    ASSERT_TRUE(pumpUntil([&] { return flags.autorunActive == 0; }, std::chrono::seconds(30)));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Complete auto run."});
    ASSERT_EQ(frame->spectra().size(), 3u);
    // Newest first: cell 4, cell 3, cell 1.
    EXPECT_EQ(frame->spectra().at(2).colour, scan::indexedColour(9));
    EXPECT_EQ(frame->spectra().at(1).colour, scan::indexedColour(11));
    EXPECT_EQ(frame->spectra().at(0).colour, scan::indexedColour(12));
    EXPECT_EQ(instrument.link.status().currentCell.load(), 4);
    // Each cell's spectrum is its own sample: the holmium cell (1) differs from the dichromates.
    const auto at451 = [&](std::size_t i) { return frame->spectra().at(i).points()[51]; };
    EXPECT_GT(at451(2) - at451(1), 0.3f) << at451(2) << " " << at451(1) << " " << at451(0);
}

TEST_F(ScanWindowTest, RemoteStartScansWithoutAMessageAndReportsTheEnd) {
    linkUp();
    test::RecordingTarget requests;
    instrument.link.setRemoteStartTarget(&requests);
    simControl<void (*)(int)>("SimHub_PressRemoteStart")(1);
    ASSERT_TRUE(test::eventually([&] { return requests.count(link::NotifyKind::RemoteStart, 1) == 1; }));
    instrument.link.setRemoteStartTarget(nullptr);
    frame->remoteStart(1); // as the main window forwards it
    ASSERT_TRUE(frame->acquisition().scanning());
    ASSERT_TRUE(pumpUntil([&] { return scanEnded(); }));
    EXPECT_TRUE(messages.shown.empty());
    const auto commandsReceived = simControl<int (*)(int)>("SimHub_CommandsReceived");
    ASSERT_TRUE(pumpUntil([&] { return commandsReceived(link::kRemoteMeasureDone) == 1; }));
}

// Confirms (or cancels) the next modal dialog as soon as it shows.
void answerNextDialog(bool accept) {
    QTimer::singleShot(0, [accept] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            accept ? dialog->accept() : dialog->reject();
    });
}

// A text's settings are its font and its colour: the sheet's font buttons edit both.
TEST_F(ScanWindowTest, TheSettingsSheetsFontButtonsEditFontAndColour) {
    scan::SpectrumSheet values;
    values.fonts.colours[scan::kSlotTitle] = scan::indexedColour(2);
    CScanProperty sheet(values);
    QPushButton *titleFont = nullptr;
    for (QPushButton *button : sheet.findChildren<QPushButton *>())
        if (button->text() == "Font of title")
            titleFont = button;
    ASSERT_NE(titleFont, nullptr);
    QTimer::singleShot(0, [] {
        auto *dialog = dynamic_cast<CFontColourDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->colourBox()->currentIndex(), 2) << "the colour in use is preselected";
        dialog->colourBox()->setCurrentIndex(5);
        dialog->accept();
    });
    titleFont->click();
    EXPECT_EQ(sheet.sheet().fonts.colours[scan::kSlotTitle], scan::indexedColour(5));

    // A colour that is none of the table's stays when the operator picks only a font.
    CFontColourDialog custom(StoredFont{}, 0x123456);
    EXPECT_EQ(custom.colourBox()->currentText(), "Custom");
    EXPECT_EQ(custom.colour(), 0x123456u);
}

TEST_F(ScanWindowTest, ThePeakPaneKeepsItsWidthAcrossRedraws) {
    link::StationLink offline;
    frame = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    frame->resize(900, 560);
    frame->show();
    ASSERT_TRUE(frame->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    trigger(CScanFrame::kShowPeaks);
    QApplication::processEvents();
    const int first = frame->peakList()->width();
    for (int i = 0; i < 10; ++i) {
        trigger(CScanFrame::kShowPeaks);
        QApplication::processEvents();
    }
    EXPECT_EQ(frame->peakList()->width(), first);
    EXPECT_LE(first, frame->peakList()->naturalWidth() + 2) << "no wider than the texts need";
    frame.reset(); // before the link it was lent
}

TEST_F(ScanWindowTest, TheColourBoxShowsNoneForAColourOutsideTheTable) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    const QList<QComboBox *> boxes = window->toolBar()->findChildren<QComboBox *>();
    ASSERT_GE(boxes.size(), 2);
    QComboBox *colours = boxes[1];
    window->spectra().at(0).colour = scan::indexedColour(3);
    window->refresh();
    EXPECT_EQ(colours->currentIndex(), 3);
    window->spectra().at(0).colour = 0x123456;
    window->refresh();
    EXPECT_EQ(colours->currentIndex(), -1) << "not the previous spectrum's colour";
}

// The result of Smooth is drawn in the colour chosen; the colour offered is one no spectrum of the
// window has yet, so an overlay can be told from its source.
TEST_F(ScanWindowTest, SmoothDrawsItsResultInTheChosenColour) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    window->spectra().at(0).colour = scan::indexedColour(1);
    window->spectra().at(1).colour = scan::indexedColour(2);
    window->refreshCommands();
    int offered = -1;
    QTimer::singleShot(0, [&offered] {
        auto *dialog = dynamic_cast<CScanSmooth *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->colourIndex();
        dialog->accept();
    });
    window->action(CScanFrame::kSmooth)->trigger();
    ASSERT_EQ(window->spectra().size(), 3u);
    EXPECT_EQ(offered, 3) << "the first colour neither spectrum has (white left out)";
    EXPECT_EQ(window->spectra().at(0).colour, scan::indexedColour(3));

    QTimer::singleShot(0, [] {
        auto *dialog = dynamic_cast<CScanSmooth *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox *>("colour")->setCurrentIndex(11);
        dialog->accept();
    });
    window->action(CScanFrame::kSmooth)->trigger();
    EXPECT_EQ(window->spectra().at(0).colour, scan::indexedColour(11)) << "the chosen colour";
}

// The filter's rule and its message allow half-widths up to 32: so does every box that sets one.
TEST(SavitzkyGolayFields, HalfWidthsGoTo32) {
    CSysMathSavGol dialog("x", 1);
    EXPECT_EQ(dialog.findChild<QSpinBox *>("width")->maximum(), 32);
}

TEST_F(ScanWindowTest, ComputeCommandsAddDerivedSpectraInFront) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    window->spectra().at(0).setSampleName("Ho");
    window->refreshCommands();
    EXPECT_FALSE(window->action(CScanFrame::kAdd)->isEnabled()) << "arithmetic needs two spectra";
    answerNextDialog(true);
    window->action(CScanFrame::kSmooth)->trigger();
    ASSERT_EQ(window->spectra().size(), 2u);
    EXPECT_EQ(window->spectra().at(0).name, "Ho-s");
    EXPECT_EQ(window->spectra().currentIndex(), 0u);

    window->refreshCommands();
    answerNextDialog(true);
    window->action(CScanFrame::kSubtract)->trigger();
    ASSERT_EQ(window->spectra().size(), 3u);
    EXPECT_EQ(window->spectra().at(0).name, "ResultName");

    answerNextDialog(false);
    window->action(CScanFrame::kDerivative)->trigger();
    EXPECT_EQ(window->spectra().size(), 3u) << "Cancel computes nothing";
}

TEST_F(ScanWindowTest, ZoomUndoModeAndTraceCursorFromMouseAndKeys) {
    link::StationLink offline;
    bool absorbance = true;
    ScanFrameHost host{{offline, shared, flags, accessories}};
    host.setAbsorbance = [&](bool mode) { absorbance = mode; };
    auto window = std::make_unique<CScanFrame>(host);
    window->resize(900, 560);
    window->show();
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    CWaveView *view = window->view();
    const scan::CDisplayRange before = window->display().range();

    // A rubber band drawn with the mouse in zoom mode.
    window->action(CScanFrame::kMagnify)->trigger();
    ASSERT_TRUE(view->zoomMode());
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(view, QPoint(400, 300));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(400, 300));
    const scan::CDisplayRange zoomed = window->display().range();
    EXPECT_GT(zoomed.xMin, before.xMin);
    EXPECT_LT(zoomed.xMax, before.xMax);
    EXPECT_LT(zoomed.absMax, before.absMax);
    window->refreshCommands();
    ASSERT_TRUE(window->action(CScanFrame::kUndoScales)->isEnabled());

    // The T% command, then two undos: back to Abs, then to the full ranges.
    window->action(CScanFrame::kTransmittanceMode)->trigger();
    EXPECT_FALSE(window->absorbance());
    window->refreshCommands();
    EXPECT_TRUE(window->action(CScanFrame::kTransmittanceMode)->isChecked());
    window->action(CScanFrame::kUndoScales)->trigger();
    EXPECT_TRUE(window->absorbance());
    EXPECT_TRUE(absorbance) << "the program-wide mode follows the undo";
    EXPECT_EQ(window->display().range(), zoomed);
    window->action(CScanFrame::kUndoScales)->trigger();
    EXPECT_EQ(window->display().range().xMin, before.xMin);
    window->action(CScanFrame::kMagnify)->trigger();

    // The trace cursor: past the spectrum's end it wraps to the first point; Down finds a peak.
    window->action(CScanFrame::kSearch)->trigger();
    ASSERT_TRUE(view->searchMode());
    QApplication::processEvents();
    view->traceAt(view->width() - 3);
    ASSERT_TRUE(view->cursorIndex());
    EXPECT_EQ(*view->cursorIndex(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    ASSERT_TRUE(view->cursorIndex());
    const scan::CWaveSpectrum &spectrum = window->spectra().at(0);
    EXPECT_EQ(spectrum.marks()[static_cast<std::size_t>(*view->cursorIndex())], 100)
        << *view->cursorIndex() << " of " << spectrum.marks().size() << ", peaks " << spectrum.peakCount();
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(view->searchMode()) << "a double click ends search mode";
}

// A stored scan as the instrument's store holds it: 700 to 400 nm in whole steps, a given threshold.
std::vector<std::uint8_t> storedScanRecord(float threshold, std::size_t points) {
    std::vector<std::uint8_t> record(90 + 4 * points, 0);
    const char name[] = "STORED.sca";
    std::copy(name, name + sizeof name - 1, record.begin());
    record[13] = 0x5A; // the current layout
    link::writeU32(record, 25, 700 * 20);
    link::writeU32(record, 29, 400 * 20);
    record[33] = 3; // the station file's third step: 1 nm
    link::writeFloat(record, 35, threshold);
    for (std::size_t i = 0; i < points; ++i)
        link::writeFloat(record, 90 + 4 * i, 0.5f);
    return record;
}

// The window asks for a stored file and the transfer hands over `record`.
void deliverStoredScan(CScanFrame &window, link::StationLink &link, const std::vector<std::uint8_t> &record) {
    ASSERT_TRUE(window.takeInstrumentFile({1, {0, 1}}));
    std::vector<std::uint8_t> buffer(link::FileTransfer::kHeaderBytes, 0);
    buffer.insert(buffer.end(), record.begin(), record.end());
    link::writeU16(buffer, 15, static_cast<std::uint16_t>(record.size()));
    link.fileTransfer().loadBuffer(buffer);
    link.fileTransfer().finishContent();
    NotifyEvent arrived(link::Notification::station(link::kStationTransferDone, 0));
    QApplication::sendEvent(&window, &arrived);
}

// The File menu offers every export of the data file formats' table, in the table's order. Each
// proposes its own extension, so that accepting the proposal in the spectrum's folder never replaces
// the spectrum's own file, and writes what the table's writer writes.
TEST_F(ScanWindowTest, ExportsFollowTheDataFileFormatsTable) {
    link::StationLink offline;
    frame = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    ASSERT_TRUE(frame->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    std::vector<std::string> offered;
    for (const QMenu *menu : frame->menus())
        if (menu->actions().contains(frame->action(CScanFrame::kSave)))
            for (const QAction *action : menu->actions())
                if (action->objectName().startsWith("scanExport."))
                    offered.push_back(action->objectName().mid(11).toStdString());
    std::vector<std::string> inTable;
    for (const scan::DataFileFormat *format : scan::exportFormats())
        inTable.push_back(format->name);
    EXPECT_EQ(offered, inTable);
    EXPECT_EQ(inTable, (std::vector<std::string>{"Abs/T% table", "CSV", "JCAMP-DX"}));

    for (const scan::DataFileFormat *format : scan::exportFormats()) {
        const std::string extension = format->extensions.front();
        chooser.next.clear(); // the operator cancels
        chooser.proposed.clear();
        triggerExport(format->name);
        EXPECT_EQ(chooser.proposed.toStdString(), "holmium." + extension);
        chooser.next = QString::fromStdString(dir.file("exported." + extension));
        triggerExport(format->name);
        scan::DataFileContent content;
        content.spectrum = frame->spectra().at(0);
        ASSERT_EQ(format->write(content, dir.file("expected." + extension)), "");
        EXPECT_EQ(test::readBytes(dir.file("exported." + extension)),
                  test::readBytes(dir.file("expected." + extension)))
            << format->name;
    }
    chooser.next.clear();
    chooser.proposed.clear();
    trigger(CScanFrame::kExportPdf);
    EXPECT_EQ(chooser.proposed.toStdString(), "holmium.pdf");

    // A name as it may come from the instrument or another program proposes no path and no control
    // characters.
    frame->spectra().at(0).name = "../../etc/pass\x01wd\\x";
    chooser.proposed.clear();
    trigger(CScanFrame::kSaveAs);
    EXPECT_EQ(chooser.proposed.left(10).toStdString(), "etcpasswdx");
    chooser.proposed.clear();
    triggerExport("CSV");
    EXPECT_EQ(chooser.proposed.left(10).toStdString(), "etcpasswdx");
    frame.reset(); // before the link it was lent
}

TEST_F(ScanWindowTest, SpectraFromFilesAndTheInstrumentStartAsNewSpectra) {
    test::writeBytes(dir.file("config/tarvesta.zav.analyst.ini"), "[Spectavo]\nOperator=Dr. Vega\n");
    test::writeBytes(dir.file("config/tarvesta.zav.station..ini"), "[WaveScan]\nStep3=1.0\n");
    link::StationLink offline;
    offline.config().stepsPerNm = 20;
    flags.peakHeight = 0.05f;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    // A file written without an operator: the configured one is the spectrum's.
    std::string text = test::readBytes(SPECTAVO_TEST_DATA_DIR "/holmium.sca");
    text.erase(text.find("Operator="), std::string("Operator=\r\n").size());
    test::writeBytes(dir.file("nooperator.sca"), text);
    ASSERT_TRUE(window->openFile(QString::fromStdString(dir.file("nooperator.sca"))));
    EXPECT_EQ(window->spectra().at(0).operatorName(), "Dr. Vega");

    deliverStoredScan(*window, offline, storedScanRecord(0.2f, 301));
    ASSERT_EQ(window->spectra().size(), 2u);
    EXPECT_EQ(window->spectra().at(0).operatorName(), "Dr. Vega");
    EXPECT_EQ(flags.peakHeight, 0.2f) << "the record's threshold, in the dialog's range, is taken";
}

TEST_F(ScanWindowTest, AStoredScansThresholdOutsideTheDialogsRangeIsNotTaken) {
    test::writeBytes(dir.file("config/tarvesta.zav.station..ini"), "[WaveScan]\nStep3=1.0\n");
    link::StationLink offline;
    offline.config().stepsPerNm = 20;
    flags.peakHeight = 0.05f;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    for (const float threshold : {std::nanf(""), -1.0f, 11.0f, INFINITY}) {
        deliverStoredScan(*window, offline, storedScanRecord(threshold, 301));
        EXPECT_EQ(flags.peakHeight, 0.05f) << threshold;
    }
    EXPECT_EQ(window->spectra().size(), 4u) << "the spectra themselves are fine";
}

// A record cut short on the line is refused as incomplete; one longer than its grid is read as far as
// the grid goes, its tail ignored.
TEST_F(ScanWindowTest, AStoredScanShorterThanItsOwnGridIsRefusedALongerOneRead) {
    test::writeBytes(dir.file("config/tarvesta.zav.station..ini"), "[WaveScan]\nStep3=1.0\n");
    link::StationLink offline;
    offline.config().stepsPerNm = 20;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    deliverStoredScan(*window, offline, storedScanRecord(0.1f, 300));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"The file from the instrument is incomplete."});
    EXPECT_TRUE(window->spectra().empty());
    for (const std::size_t points : {302u, 330u}) {
        messages.shown.clear();
        deliverStoredScan(*window, offline, storedScanRecord(0.1f, points));
        EXPECT_TRUE(messages.shown.empty()) << points;
    }
    ASSERT_EQ(window->spectra().size(), 2u);
    EXPECT_EQ(window->spectra().at(0).points().size(), 301u);
    EXPECT_FALSE(offline.acquisition().open.load());
}

TEST_F(ScanWindowTest, StoredScanFromTheInstrumentJoinsTheList) {
    linkUp();
    auto browser = std::make_unique<CFileManagementDialog>(instrument.link, frame.get());
    browser->show();
    auto *files = browser->findChild<QListWidget *>();
    ASSERT_TRUE(pumpUntil([&] { return files->count() > 0; }));
    browser->findChild<QComboBox *>()->setCurrentIndex(0);
    files->setCurrentRow(0); // CR6.qua: not a spectrum
    auto choose = [&] {
        for (QPushButton *button : browser->findChildren<QPushButton *>())
            if (button->text() == "&Open")
                button->click();
        return browser->choice();
    };
    const auto quantitation = choose();
    ASSERT_TRUE(quantitation);
    EXPECT_FALSE(frame->takeInstrumentFile(*quantitation));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"File type mismatched, please select another one."});

    browser->findChild<QComboBox *>()->setCurrentIndex(1);
    files->setCurrentRow(0); // HOLMIUM.sca
    const auto holmium = choose();
    ASSERT_TRUE(holmium);
    browser.reset();
    ASSERT_TRUE(frame->takeInstrumentFile(*holmium));
    ASSERT_TRUE(pumpUntil([&] { return !frame->spectra().empty(); }));
    EXPECT_FALSE(instrument.link.acquisition().open.load()) << "the link is released";
    const scan::CWaveSpectrum &stored = frame->spectra().at(0);
    EXPECT_EQ(stored.name, "HOLMIUM.sca");
    EXPECT_TRUE(stored.modified);
    EXPECT_GT(stored.peakCount(), 2);
}

// A window holding two unsaved spectra, "first" and "second", on a link that is not connected.
std::unique_ptr<CScanFrame> windowWithTwoUnsavedSpectra(link::StationLink &offline,
                                                        program::SharedSettings &shared,
                                                        program::AppFlags &flags,
                                                        program::CellSelection &accessories) {
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    for (const char *name : {"second", "first"}) {
        window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca");
        window->spectra().at(0).modified = true;
        window->spectra().at(0).name = name;
    }
    return window;
}

TEST_F(ScanWindowTest, CloseCheckAndRemoveOfferToSaveFirst) {
    link::StationLink offline;
    auto window = windowWithTwoUnsavedSpectra(offline, shared, flags, accessories);
    ASSERT_EQ(window->spectra().size(), 2u);

    // One question names both; Yes, then Cancel in the first save dialog: the window stays.
    messages.answer = true;
    chooser.next.clear();
    EXPECT_FALSE(window->confirmClose());
    EXPECT_EQ(messages.asked,
              std::vector<std::string>{"These spectra have not been saved:\nfirst\nsecond\nSave them now?"});

    // Yes and a file for each: both saved, the window may close.
    messages.asked.clear();
    chooser.next = QString::fromStdString(dir.file("both.sca"));
    EXPECT_TRUE(window->confirmClose());
    EXPECT_TRUE(std::filesystem::exists(dir.file("both.sca")));
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_FALSE(window->spectra().at(0).modified);
    EXPECT_FALSE(window->spectra().at(1).modified);
    window->spectra().at(1).modified = true;

    // Remove: No removes without saving.
    messages.answerFor = [](const std::string &) { return false; };
    window->spectra().setCurrent(1);
    window->refreshCommands();
    window->action(CScanFrame::kRemove)->trigger();
    ASSERT_EQ(window->spectra().size(), 1u);
    EXPECT_EQ(window->spectra().at(0).name, "first");

    // A running scan keeps the window open whatever is answered.
    window->spectra().at(0).acquiring = true;
    messages.shown.clear();
    EXPECT_FALSE(window->confirmClose());
    EXPECT_EQ(messages.shown.size(), 1u);
    window->spectra().at(0).acquiring = false;
}

// Escape on the save question means Cancel: the window stays with every spectrum. No lets it close
// without saving; Remove's Cancel keeps the spectrum.
TEST_F(ScanWindowTest, CancelOnASaveQuestionLosesNothing) {
    using Answer = shell::MessageService::Answer;
    link::StationLink offline;
    auto window = windowWithTwoUnsavedSpectra(offline, shared, flags, accessories);
    ASSERT_EQ(window->spectra().size(), 2u);

    messages.saveAnswers = {Answer::Cancel};
    EXPECT_FALSE(window->confirmClose());
    EXPECT_EQ(messages.asked.size(), 1u) << "one question for the window";
    EXPECT_EQ(window->spectra().size(), 2u);

    // No lets the window close and saves nothing; one unsaved spectrum is asked about by name.
    messages.asked.clear();
    messages.saveAnswers = {Answer::No};
    EXPECT_TRUE(window->confirmClose());
    EXPECT_TRUE(window->spectra().at(0).modified) << "answered No";
    window->spectra().at(1).modified = false;
    messages.asked.clear();
    messages.saveAnswers = {Answer::Yes};
    chooser.next = QString::fromStdString(dir.file("first.sca"));
    EXPECT_TRUE(window->confirmClose());
    EXPECT_EQ(messages.asked, std::vector<std::string>{"first has not been saved. Save it now?"});
    EXPECT_TRUE(std::filesystem::exists(dir.file("first.sca")));
    window->spectra().at(0).modified = true;

    messages.saveAnswers = {Answer::Cancel};
    window->spectra().setCurrent(0);
    window->refreshCommands();
    window->action(CScanFrame::kRemove)->trigger();
    EXPECT_EQ(window->spectra().size(), 2u) << "Cancel keeps the spectrum";
    window->spectra().at(0).modified = false;
}

TEST_F(ScanWindowTest, CopyPutsTheChartOnTheClipboardAsSvgAndPng) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    window->resize(900, 560);
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    window->refreshCommands();
    window->action(CScanFrame::kCopy)->trigger();
    const QMimeData *picture = QApplication::clipboard()->mimeData();
    ASSERT_NE(picture, nullptr);
    const QByteArray svg = picture->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<desc>ZAV.SCA</desc>")) << svg.left(400).toStdString();
    EXPECT_TRUE(picture->hasImage());
}

TEST_F(ScanWindowTest, ScanSetupDialogChecksItsRangeAndPointCount) {
    test::writeBytes(dir.file("config/tarvesta.zav.analyst.ini"),
                     "[ZAV Range]\nfScanMin=190\nfScanMax=1100\n");
    scan::ScanSettings settings;
    {
        CScanSetupDialog notReady(settings, false);
        EXPECT_FALSE(notReady.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
    }
    CScanSetupDialog dialog(settings, true);
    dialog.findChild<QLineEdit *>("from")->setText("1200");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "outside the limits the dialog stays";
    EXPECT_EQ(messages.shown.back(), "Please enter a number between 190 and 1100.");

    dialog.findChild<QLineEdit *>("from")->setText("400");
    dialog.findChild<QLineEdit *>("to")->setText("700");
    dialog.findChild<QComboBox *>("step")->setCurrentIndex(1); // 0.5 nm
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.high, 700.0f) << "From and To given the wrong way round are exchanged";
    EXPECT_EQ(settings.low, 400.0f);
    EXPECT_EQ(settings.stepIndex, 1);
}

TEST_F(ScanWindowTest, DisplayRangeDialogRefusesDenseIntervalsAndStaysOpen) {
    scan::DisplayHistory display;
    CDisplayRangeDialog dialog(display, scan::BaseScales{}, true);
    dialog.findChild<QCheckBox *>()->setChecked(true);
    dialog.findChild<QLineEdit *>("yInterval")->setText("0.001");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(messages.shown.back(), scan::DisplayHistory::kTooDense);
    EXPECT_FALSE(display.canUndo());
    dialog.findChild<QLineEdit *>("yInterval")->setText("0.5");
    dialog.findChild<QLineEdit *>("xMin")->setText("700");
    dialog.findChild<QLineEdit *>("xMax")->setText("300");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(display.range().xMin, 300.0f);
    EXPECT_EQ(display.range().manual, 1);
}

TEST_F(ScanWindowTest, PrintsAChartPageAndTheDataPagesIntoAPdf) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    window->resize(900, 560);
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    const std::string pdf = dir.file("holmium.pdf");
    ASSERT_TRUE(window->printToPdf(QString::fromStdString(pdf)));
    const std::string bytes = test::readBytes(pdf);
    ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
    // Count the pages the PDF declares.
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_EQ(static_cast<int>(pages), window->printedPageCount());
    EXPECT_GT(pages, 2u) << "a chart page and data pages";
    // Without the chart page every page is a data page, the first with the title.
    test::writeBytes(dir.file("config/tarvesta.zav.func.wavescan.ini"), "[Print]\nPrintSpectrum=0\n");
    ASSERT_TRUE(window->printToPdf(QString::fromStdString(dir.file("data-only.pdf"))));
    EXPECT_EQ(window->printedPageCount(), static_cast<int>(pages) - 1);
    // Each page renders.
    const std::string command = "pdftoppm -r 20 -png " + pdf + " " + dir.file("page");
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("page-1.png")));
}

// The words of a PDF page with their heights in points, as poppler lays the page out: lines of
// <word xMin="..." yMin="..." xMax="..." yMax="...">TEXT</word>.
std::vector<std::pair<std::string, double>> pdfWordHeights(const std::string &pdf, const std::string &html,
                                                           int page) {
    const std::string command =
        "pdftotext -bbox -f " + std::to_string(page) + " -l " + std::to_string(page) + " " + pdf + " " + html;
    if (std::system(command.c_str()) != 0)
        return {};
    const auto attribute = [](const std::string &line, const std::string &name) {
        const std::size_t at = line.find(name + "=\"");
        return at == std::string::npos ? 0.0 : std::atof(line.c_str() + at + name.size() + 2);
    };
    std::vector<std::pair<std::string, double>> words;
    std::istringstream lines(test::readBytes(html));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t open = line.find("<word ");
        const std::size_t textStart = line.find('>', open);
        const std::size_t textEnd = line.find("</word>");
        if (open == std::string::npos || textStart == std::string::npos || textEnd == std::string::npos)
            continue;
        words.emplace_back(line.substr(textStart + 1, textEnd - textStart - 1),
                           attribute(line, "yMax") - attribute(line, "yMin"));
    }
    return words;
}

// A wavelength axis label: three digits, perhaps a decimal.
bool isTickLabel(const std::string &text) {
    const bool digits = text.size() >= 3 && std::all_of(text.begin(), text.begin() + 3, ::isdigit);
    return digits && (text.size() == 3 || (text.size() == 5 && text[3] == '.' &&
                                           std::isdigit(static_cast<unsigned char>(text[4]))));
}

// A text of the chart keeps its size on paper: the tick labels' font (12 units) prints at 12 points,
// the size of the information block's 12-point text beside it. A word's box is the font's ascent and
// descent, the same multiple of the point size for both (one family), so the boxes compare directly
// whatever font the system substitutes.
TEST_F(ScanWindowTest, PrintedChartTextsKeepTheirPointSizes) {
    link::StationLink offline;
    auto window = std::make_unique<CScanFrame>(ScanFrameHost{{offline, shared, flags, accessories}});
    window->resize(900, 560);
    ASSERT_TRUE(window->openFile(SPECTAVO_TEST_DATA_DIR "/holmium.sca"));
    const std::string pdf = dir.file("sizes.pdf");
    ASSERT_TRUE(window->printToPdf(QString::fromStdString(pdf)));
    std::vector<double> tickHeights, blockHeights;
    for (const auto &[text, height] : pdfWordHeights(pdf, dir.file("sizes.html"), 1)) {
        if (isTickLabel(text))
            tickHeights.push_back(height);
        if (text == "Scan")
            blockHeights.push_back(height);
    }
    ASSERT_GE(tickHeights.size(), 3u) << "the wavelength axis labels";
    ASSERT_FALSE(blockHeights.empty()) << "the information block";
    std::sort(tickHeights.begin(), tickHeights.end());
    const double tick = tickHeights[tickHeights.size() / 2];
    EXPECT_NEAR(tick / blockHeights.front(), 1.0, 0.15)
        << "tick label " << tick << " pt high, 12-point text " << blockHeights.front();
    EXPECT_GT(tick, 12.0 * 0.85) << "a 12-point text's box is at least its point size";
}

} // namespace
} // namespace spectavo::app
