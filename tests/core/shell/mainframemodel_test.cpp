#include <filesystem>

#include <gtest/gtest.h>

#include "core/link/bytes.h"
#include "core/shell/commandids.h"
#include "core/shell/mainframemodel.h"
#include "core/shell/windowappearance.h"
#include "support/linkfixture.h"
#include "support/tempdir.h"

namespace spectavo::shell {
namespace {

using link::Notification;

class MainFrameModelTest : public ::testing::Test {
protected:
    test::LinkFixture fixture;
    link::StationLink &link = *fixture.link;
    MainFrameModel model{link};
    std::string pane(StatusPane p) const { return model.panes()[static_cast<std::size_t>(p)]; }
};

TEST_F(MainFrameModelTest, PanesStartWithTheirInitialTexts) {
    EXPECT_EQ(model.panes(),
              (std::array<std::string, kPaneCount>{"", " Ready ", "Pos: Unknown",
                                                   "Abs:       ", "S:     ", "R:     ", "CPU:   "}));
}

TEST_F(MainFrameModelTest, ReadingsFillThePanesInTheCurrentPhotometricMode) {
    model.handleStationNotify(39, link::floatBits(0.5f));
    EXPECT_EQ(pane(kPaneValue), "Abs: 0.500");
    model.setPhotometricMode(false);
    model.handleStationNotify(39, link::floatBits(0.5f));
    EXPECT_EQ(pane(kPaneValue), "T: 31.62");
    model.handleStationNotify(34, link::floatBits(1234.6f));
    EXPECT_EQ(pane(kPaneSample), "S: 1235");
    model.handleStationNotify(23, 5461);
    EXPECT_EQ(pane(kPanePosition), "Pos: 546.1nm");
    model.handleStationNotify(3, 7);
    EXPECT_EQ(pane(kPaneCpu), "CPU:  7");
}

TEST_F(MainFrameModelTest, StateNotificationsSetTheReadyFlag) {
    model.handleStationNotify(1, 0);
    EXPECT_EQ(pane(kPaneState), "Ready");
    EXPECT_EQ(link.status().stationReady.load(), 1);
    model.handleStationNotify(1, 1);
    EXPECT_EQ(pane(kPaneState), "Wait...");
    EXPECT_EQ(link.status().stationReady.load(), 0);
    model.handleStationNotify(1, 2);
    EXPECT_EQ(pane(kPaneState), " Ready ");
}

TEST_F(MainFrameModelTest, BootStatesShowTheirTextsAndAskAtSevenAndFourteen) {
    EXPECT_EQ(model.handleStationNotify(5, 3), MainFrameModel::Reaction::None);
    EXPECT_EQ(pane(kPaneState), "Starting");
    EXPECT_EQ(pane(kPaneValue), "Wavelength positioning");
    EXPECT_EQ(model.handleStationNotify(5, 7), MainFrameModel::Reaction::AskRecalibrate);
    EXPECT_EQ(model.handleStationNotify(5, 14), MainFrameModel::Reaction::AskInitFileSystem);
    model.answerBootQuestion(true);
    model.answerBootQuestion(false);
    EXPECT_EQ(test::sentCommands(),
              (std::vector<test::SentCommand>{{link::kConfirmYes, {}}, {link::kConfirmNo, {}}}));
}

TEST_F(MainFrameModelTest, BootQuestionsAreAnsweredWithTheConfirmCodes) {
    model.answerBootQuestion(true);
    model.answerBootQuestion(false);
    const auto sent = test::sentCommands();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].code, 241) << "Yes";
    EXPECT_EQ(sent[1].code, 242) << "No";
}

TEST_F(MainFrameModelTest, StatusItemsTenAndElevenAreAlarms) {
    EXPECT_EQ(model.handleStationNotify(16, 10), MainFrameModel::Reaction::WavelengthOutOfRange);
    EXPECT_EQ(model.handleStationNotify(16, 11), MainFrameModel::Reaction::D2EnergyLow);
    EXPECT_EQ(model.handleStationNotify(16, 3), MainFrameModel::Reaction::RefreshStatusWindow);
}

TEST_F(MainFrameModelTest, D2LampWarmsUpButSwitchingItOffNeverLeavesItUnstable) {
    bool message = false;
    const auto warmup = model.switchD2Lamp(&message);
    ASSERT_TRUE(warmup.has_value());
    EXPECT_EQ(*warmup, (MainFrameModel::TimerStart{MainFrameModel::Timer::LampWarmup, 30000}));
    EXPECT_TRUE(message);
    EXPECT_EQ(model.flags().lampStable, 0);
    EXPECT_EQ(pane(kPaneState), "Wait...");
    model.onTimer(MainFrameModel::Timer::LampWarmup);
    EXPECT_EQ(model.flags().lampStable, 1);

    model.switchD2Lamp(&message); // off again
    EXPECT_FALSE(message);
    EXPECT_EQ(model.flags().lampStable, 1);
    EXPECT_EQ(test::sentCommands(),
              (std::vector<test::SentCommand>{{link::kLampSwitch, {0, 1}}, {link::kLampSwitch, {0, 0}}}));
}

// On at 0 s, off at 5 s, on at 10 s: the first start's expiry at 30 s must not end the second warm-up,
// which ends at 40 s.
TEST_F(MainFrameModelTest, CreationSetsTheSippingTimeAndIntervalToTwoSeconds) {
    model.accessories().sipTimeS = 15;
    model.accessories().sipIntervalS = 40;
    model.onCreated(0);
    EXPECT_EQ(model.accessories().sipTimeS, 2);
    EXPECT_EQ(model.accessories().sipIntervalS, 2);
}

TEST_F(MainFrameModelTest, SwitchingD2OnAgainRestartsTheWarmUp) {
    bool message = false;
    ASSERT_TRUE(model.switchD2Lamp(&message));  // on
    EXPECT_FALSE(model.switchD2Lamp(&message)); // off
    ASSERT_TRUE(model.switchD2Lamp(&message));  // on again
    EXPECT_EQ(model.flags().lampStable, 0);
    model.onTimer(MainFrameModel::Timer::LampWarmup); // the first start's expiry
    EXPECT_EQ(model.flags().lampStable, 0) << "the second warm-up is still running";
    model.onTimer(MainFrameModel::Timer::LampWarmup);
    EXPECT_EQ(model.flags().lampStable, 1);
}

TEST_F(MainFrameModelTest, LinkingAgainInitialisesTheDriverBeforeOpeningIt) {
    const int before = test::hubInitCount();
    const auto starts = model.relink();
    EXPECT_EQ(test::hubInitCount(), before + 1);
    EXPECT_EQ(starts, (std::vector<MainFrameModel::TimerStart>{{MainFrameModel::Timer::LinkRequest, 200}}));
    link.channel().StopReceiver();
}

TEST_F(MainFrameModelTest, PhotometricModeChangeIsOnlyFlaggedWhenItChanges) {
    model.setPhotometricMode(true);
    EXPECT_EQ(model.flags().photometricModeChanged, 0);
    model.setPhotometricMode(false);
    EXPECT_EQ(model.flags().photometricModeChanged, 1);
    EXPECT_TRUE(model.checked(kCmdTransmittance));
}

TEST_F(MainFrameModelTest, InstrumentCommandsNeedALinkedReadyIdleInstrument) {
    EXPECT_FALSE(model.enabled(kCmdCalibrateBaseline, true));
    link.status().linkOnline = 1;
    link.status().stationReady = 1;
    EXPECT_TRUE(model.enabled(kCmdCalibrateBaseline, true));
    model.flags().autorunActive = 1;
    EXPECT_FALSE(model.enabled(kCmdCalibrateBaseline, true));
    EXPECT_TRUE(model.enabled(kCmdStop, true)) << "a running autorun can be stopped";
    model.flags().autorunActive = 0;
    test::RecordingTarget window;
    link.operations().GotoWavelength(500.0f, &window);
    EXPECT_FALSE(model.enabled(kCmdCalibrateBaseline, true)) << "an acquisition mode is active";
    EXPECT_FALSE(model.enabled(kCmdReset, true));
    EXPECT_FALSE(model.enabled(kCmdEscape, false));
}

// Any cell of the changer can be moved in by hand while no run goes; the autorun's selection does not
// lock them.
TEST_F(MainFrameModelTest, CellEntriesAreEnabledForTheChangersCellsWhileNoAutorunGoes) {
    link.status().linkOnline = 1;
    link.status().cellCount = 4;
    link.status().currentCell = 2;
    CellSelection selection;
    selection.cellInstalled = {1, 0, 1, 1, 1, 1, 1, 1};
    model.accessories().chooseCells(selection);
    EXPECT_TRUE(model.enabled(kCmdCell1 + 3, false));
    EXPECT_TRUE(model.enabled(kCmdCell1 + 1, false))
        << "not in the autorun's selection, still a cell to look at";
    EXPECT_FALSE(model.enabled(kCmdCell1 + 4, false)) << "beyond the count, though configured as installed";
    model.flags().autorunActive = 1;
    EXPECT_FALSE(model.enabled(kCmdCell1 + 3, false)) << "an autorun moves the cells itself";
    model.flags().autorunActive = 0;
    EXPECT_TRUE(model.checked(kCmdCell1 + 2));
}

TEST(MainFrameStartUp, TimersLoadTheDriverThenRequestTheLink) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/config");
    const std::string hub = test::scriptedHubPath();
    test::writeBytes(dir.file("config/tarvesta.zav.comm.ini"), "[hub]\ndriver=" + hub + "\n");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    test::hubReset();
    link::StationLink link(std::make_unique<link::SharedLibraryLoader>());
    MainFrameModel model(link);
    EXPECT_EQ(model.onCreated(1),
              (std::vector<MainFrameModel::TimerStart>{{MainFrameModel::Timer::LinkStart, 500}}));
    EXPECT_EQ(link.status().linkOnline.load(), 1) << "the application's Connected setting";
    EXPECT_EQ(model.onTimer(MainFrameModel::Timer::LinkStart),
              (std::vector<MainFrameModel::TimerStart>{{MainFrameModel::Timer::LinkRequest, 200}}));
    EXPECT_TRUE(link.channel().receiverRunning());
    model.onTimer(MainFrameModel::Timer::LinkRequest);
    EXPECT_EQ(link.status().linkOnline.load(), 0) << "a link request starts offline";
    EXPECT_EQ(test::sentCommands(), (std::vector<test::SentCommand>{{link::kLinkRequest, {}}}));
    link.channel().StopReceiver();
}

} // namespace
} // namespace spectavo::shell

#include "core/shell/gotomodel.h"

namespace spectavo::shell {
namespace {

class GotoModelTest : public ::testing::Test {
protected:
    test::LinkFixture fixture;
    link::StationLink &link = *fixture.link;
};

TEST_F(GotoModelTest, StartsAtThePositionAndValidatesTheRange) {
    link.status().currentWavelengthTenths = 5461;
    GotoModel dialog(link, &fixture.window, 1);
    EXPECT_EQ(dialog.initialWavelengthText(), "546.1");
    std::string error;
    EXPECT_FALSE(dialog.parseWavelength("1200", &error));
    EXPECT_EQ(error, "Enter a number between 190 and 1100.");
    EXPECT_EQ(dialog.parseWavelength("656.1", &error), 656.1f);
    EXPECT_FALSE(dialog.transmittance());
    EXPECT_TRUE(GotoModel(link, &fixture.window, 0).transmittance());
}

TEST_F(GotoModelTest, ReadoutWaitsForTheMoveThenShowsTheCorrectedReading) {
    GotoModel dialog(link, &fixture.window, 1);
    ASSERT_TRUE(dialog.gotoWavelength(500.0f));
    EXPECT_EQ(dialog.display(), "Waiting");
    link.decodePacket(test::packet(23, {0x13, 0x88}));
    link.decodePacket(test::packet(255, {link::kGotoWavelength, 0}));
    dialog.onAcquisitionNotify(255, link::kGotoWavelength);
    link.decodePacket(test::packet(32, test::readingRecord(5000, 1000, 0, 1000.0f, 0.0f))); // blank A = 0
    dialog.onAcquisitionNotify(32, 0);
    link.decodePacket(test::packet(34, test::readingRecord(5000, 1000, 0, 500.0f, 0.0f)));
    dialog.onAcquisitionNotify(0, 0);
    EXPECT_EQ(dialog.display(), "+0.3010");
    dialog.setTransmittance(true);
    EXPECT_EQ(dialog.display(), "+50.00");
}

TEST_F(GotoModelTest, ZeroMakesTheNextReadingReadZero) {
    GotoModel dialog(link, &fixture.window, 1);
    ASSERT_TRUE(dialog.zero(500.0f));
    link.decodePacket(test::packet(23, {0x13, 0x88}));
    link.decodePacket(test::packet(255, {link::kGotoWavelength, 0}));
    dialog.onAcquisitionNotify(255, link::kGotoWavelength);
    link.decodePacket(test::packet(34, test::readingRecord(5000, 1000, 0, 500.0f, 0.0f)));
    dialog.onAcquisitionNotify(0, 0); // zeroing: this reading becomes part of the blank
    link.decodePacket(test::packet(34, test::readingRecord(5000, 1000, 0, 500.0f, 0.0f)));
    dialog.onAcquisitionNotify(0, 0);
    EXPECT_EQ(dialog.display(), "+0.0000");
    dialog.close();
    EXPECT_FALSE(link.acquisition().open.load());
}

} // namespace
} // namespace spectavo::shell

#include "core/shell/filemanagementmodel.h"

namespace spectavo::shell {
namespace {

TEST(FileManagement, ListsTheChosenTypeAndDeletesByHandle) {
    test::LinkFixture fixture;
    link::StationLink &link = *fixture.link;
    FileManagementModel files(link, &fixture.window);
    ASSERT_TRUE(files.requestDirectory());
    EXPECT_FALSE(FileManagementModel(link, &fixture.window).requestDirectory())
        << "the dialog holds the instrument";
    auto entry = [](const std::string &name, std::uint8_t handle) {
        std::vector<std::uint8_t> data(16, 0);
        data[0] = 1;
        std::copy(name.begin(), name.end(), data.begin() + 1);
        data[15] = handle;
        return test::packet(128, data);
    };
    link.decodePacket(test::packet(128, {0}));
    link.decodePacket(entry("A.qua", 1));
    link.decodePacket(entry("B.sca", 2));
    link.decodePacket(entry("C.sca", 3));
    link.decodePacket(test::packet(128, {255}));
    files.directoryArrived();
    EXPECT_FALSE(link.acquisition().open.load());
    ASSERT_EQ(files.entries().size(), 1u);
    files.setType(1);
    files.refill();
    ASSERT_EQ(files.entries().size(), 2u);
    const auto choice = files.choose(1);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->typeIndex, 1);
    EXPECT_EQ(choice->handle[1], 3);
    EXPECT_FALSE(files.choose(5).has_value());
    test::hubReset();
    ASSERT_TRUE(files.deleteEntry(0));
    EXPECT_EQ(test::sentCommands(), (std::vector<test::SentCommand>{{link::kFileDelete, {0, 2}}}));
    EXPECT_EQ(FileManagementModel::typeNames().size(), 8u);
}

} // namespace
} // namespace spectavo::shell

#include "core/shell/servicetools.h"

namespace spectavo::shell {
namespace {

TEST(DarkCurrentTable, FiveLevelsOnOneChannelSaveAndLoadBack) {
    DarkCurrentTable table(1);
    table.setLevelCount(5);
    for (int level = 0; level < 5; ++level)
        table.setLevel(level, 12 + level, 11 + level);
    EXPECT_EQ(table.rows(), 6u);
    EXPECT_EQ(table.columns(), 3u);
    const std::string text = table.fileText();
    // Written by hand: the sizes as "%5d %5d", then every cell followed by a blank, a row per line.
    EXPECT_EQ(text, "    6     3\n"
                    "Level Sample Refrence \n"
                    "    0    12    11 \n"
                    "    1    13    12 \n"
                    "    2    14    13 \n"
                    "    3    15    14 \n"
                    "    4    16    15 \n");
    DarkCurrentTable loaded(2);
    ASSERT_TRUE(loaded.loadFileText(text));
    EXPECT_EQ(loaded.rows(), 6u);
    EXPECT_EQ(loaded.cell(0, 2), "Refrence");
    EXPECT_EQ(loaded.cell(5, 1), "16") << "numbers come back without their leading blanks";
    EXPECT_FALSE(loaded.loadFileText("  999 3\n")) << "a table never grows past its rows";
    EXPECT_FALSE(loaded.loadFileText("not a table"));
    EXPECT_EQ(loaded.rows(), 6u);
}

// Saved and loaded again, the table is the same on one- and two-channel instruments; the two-channel
// table's fourth column is empty, and so are rows whose level has not been reported.
TEST(DarkCurrent, SaveThenLoadReproducesTheCellsOnOneAndTwoChannels) {
    for (const int channels : {1, 2}) {
        DarkCurrentTable table(channels);
        table.setLevelCount(6);
        for (int level = 0; level < 5; ++level) // level 5 not reported yet
            table.setLevel(level, 120 + level, 110 + level);
        DarkCurrentTable loaded(channels);
        loaded.setLevelCount(2);
        ASSERT_TRUE(loaded.loadFileText(table.fileText())) << channels;
        ASSERT_EQ(loaded.rows(), table.rows()) << channels;
        ASSERT_EQ(loaded.columns(), table.columns()) << channels;
        for (std::size_t row = 0; row < table.rows(); ++row)
            for (std::size_t column = 0; column < table.columns(); ++column) {
                std::string expected = table.cell(row, column);
                expected.erase(0, expected.find_first_not_of(' ') == std::string::npos
                                      ? expected.size()
                                      : expected.find_first_not_of(' '));
                EXPECT_EQ(loaded.cell(row, column), expected) << channels << ": " << row << "," << column;
            }
    }
    DarkCurrentTable table(2);
    EXPECT_FALSE(table.loadFileText("    2     3\nLevel Sample Refrence extra \n"))
        << "more cells than columns";
    EXPECT_FALSE(table.loadFileText("    3     3\nLevel Sample Refrence \n")) << "rows missing";
    EXPECT_EQ(table.columns(), 4u) << "a refused file changes nothing";
}

// The browser hands a chosen file to a window, which asks for it while the browser is still open: the
// browser going away must not end the window's request.
TEST(FileManagement, TheBrowserEndsOnlyItsOwnAcquisition) {
    test::LinkFixture fixture;
    test::RecordingTarget browserTarget, window;
    {
        FileManagementModel browser(*fixture.link, &browserTarget);
        ASSERT_TRUE(browser.requestDirectory());
        browser.directoryArrived();
        ASSERT_TRUE(fixture.link->operations().OpenWordAcquisition(link::kFileOpen, 1, 2, &window));
    }
    EXPECT_TRUE(fixture.link->acquisition().open.load()) << "the window's file request goes on";
    fixture.link->operations().CloseAcquisitionOf(&browserTarget);
    EXPECT_TRUE(fixture.link->acquisition().open.load());
    fixture.link->operations().CloseAcquisitionOf(&window);
    EXPECT_FALSE(fixture.link->acquisition().open.load());
}

TEST(StatusWindow, ItemsFillTheirFieldsAndUnknownValuesKeepTheOldText) {
    link::StationStatus status;
    StatusWindowModel window;
    status.multicellStatus = 1;
    window.refresh(status);
    EXPECT_EQ(window.fields()[1].second, "OK");
    EXPECT_EQ(window.fields()[0].second, "Only 1") << "until item 0 reports the cells";
    status.cellCount = 8;
    status.powerStatus = 0;
    window.refresh(status);
    EXPECT_EQ(window.fields()[0].second, "8");
    EXPECT_EQ(window.fields()[9].second, "Low!");
    status.adcStatus = 7;
    window.refresh(status);
    EXPECT_EQ(window.fields()[5].second, "Unknown") << "kept from before";
    status.sipperStatus = 0; // no sipper fitted
    window.refresh(status);
    EXPECT_EQ(window.fields()[2].second, "Not installed") << "not a fault";
    status.sipperStatus = 1;
    window.refresh(status);
    EXPECT_EQ(window.fields()[2].second, "Installed");
}

} // namespace
} // namespace spectavo::shell

#include "core/config/profilefile.h"
#include "core/shell/accessories.h"

namespace spectavo::shell {
namespace {

TEST(Accessories, CellsBelowCellNumLoadAndCellOneIsAlwaysInUse) {
    test::TempDir dir;
    test::writeBytes(dir.file("cells.ini"),
                     "[Status]\nCellNum=3\n[Install]\nCell0=0\nCell1=1\nCell2=1\nCell3=1\n"
                     "[Name]\nCell1=Std 1\nCell3=ignored\n");
    AccessorySettings settings;
    settings.loadCells(ProfileFile(dir.file("cells.ini"), false));
    EXPECT_EQ(settings.cells().cellInstalled, (std::array<int, 8>{1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(settings.cells().cellName[1], "Std 1");
    EXPECT_EQ(settings.cells().cellName[3], "");
    EXPECT_EQ(settings.cellsOf(DocumentKind::TimeScan).cellName[1], "Std 1")
        << "a kind without its own selection uses the main window's";
}

TEST(Accessories, NoPerCellKeysAreWrittenWithoutReportedCells) {
    test::TempDir dir;
    AccessorySettings settings;
    ProfileFile file(dir.file("cells.ini"), false);
    settings.saveCells(file, 0, 0);
    EXPECT_EQ(test::readBytes(dir.file("cells.ini")), "[Status]\nCurrentCell=0\n");
    CellSelection named;
    named.cellName[1] = "B";
    settings.chooseCells(named);
    settings.saveCells(file, 2, 1);
    EXPECT_EQ(file.GetStringAt("Name", "Cell", 1, "?"), "B");
    EXPECT_EQ(file.GetIntAt("Install", "Cell", 2, -1), -1);
}

// The operator's multicell selection is there at the next start, also after a start without the
// instrument.
TEST(Accessories, TheCellSelectionSurvivesARestart) {
    test::TempDir dir;
    CellSelection selection;
    selection.cellInstalled = {1, 0, 1, 1, 0, 0, 0, 0};
    selection.cellName[2] = "Std 2";
    AccessorySettings chosen;
    chosen.chooseCells(selection);
    ProfileFile file(dir.file("cells.ini"), false);
    chosen.saveCells(file, 4, 2);
    AccessorySettings offline;
    offline.loadCells(file);
    offline.saveCells(file, 0, 0); // an exit without a link
    AccessorySettings next;
    next.loadCells(ProfileFile(dir.file("cells.ini"), false));
    EXPECT_EQ(next.cells().cellInstalled, selection.cellInstalled);
    EXPECT_EQ(next.cells().cellName[2], "Std 2");
}

// A wavelength scan over two cuvettes must not undo the eight cells set up for fixed points: each
// kind keeps the selection made for it, across starts, in sections of its own.
TEST(Accessories, EachWindowKindKeepsItsOwnSelectionAcrossStarts) {
    test::TempDir dir;
    CellSelection eight;
    eight.cellInstalled = {1, 1, 1, 1, 1, 1, 1, 1};
    CellSelection two;
    two.cellInstalled = {1, 0, 0, 0, 0, 0, 0, 1};
    two.cellName[7] = "Sample";
    AccessorySettings settings;
    settings.chooseCells(DocumentKind::FixedPoints, eight);
    settings.chooseCells(DocumentKind::WavelengthScan, two);
    CellSelection mainWindows;
    mainWindows.cellInstalled = {1, 1, 0, 0, 0, 0, 0, 0};
    settings.chooseCells(mainWindows);
    EXPECT_EQ(settings.cellsOf(DocumentKind::FixedPoints).cellInstalled, eight.cellInstalled)
        << "the main window's setup leaves a kind's own selection alone";
    EXPECT_EQ(settings.cellsOf(DocumentKind::TimeScan).cellInstalled, mainWindows.cellInstalled);

    ProfileFile file(dir.file("cells.ini"), false);
    settings.saveCells(file, 8, 0);
    EXPECT_EQ(file.GetIntAt("Install", "Cell", 1, -1), 1) << "the main window's keys stay where they were";
    EXPECT_EQ(file.GetIntAt("Install.wavescan", "Cell", 7, -1), 1);
    EXPECT_EQ(file.GetIntAt("Install.kinetics", "Cell", 0, -1), -1)
        << "no sections for a kind without its own";

    AccessorySettings next;
    next.loadCells(ProfileFile(dir.file("cells.ini"), false));
    EXPECT_EQ(next.cellsOf(DocumentKind::FixedPoints).cellInstalled, eight.cellInstalled);
    EXPECT_EQ(next.cellsOf(DocumentKind::WavelengthScan).cellInstalled, two.cellInstalled);
    EXPECT_EQ(next.cellsOf(DocumentKind::WavelengthScan).cellName[7], "Sample");
    EXPECT_EQ(next.cellsOf(DocumentKind::TimeScan).cellInstalled, mainWindows.cellInstalled);
    EXPECT_FALSE(next.keepsOwnCells(DocumentKind::TimeScan));
    EXPECT_TRUE(next.keepsOwnCells(DocumentKind::WavelengthScan));
}

TEST(Accessories, SipperLimitsAndTheMulticellRule) {
    test::TempDir dir;
    const auto limits = AccessorySettings::sipTimeLimits(ProfileFile(dir.file("none.ini"), false));
    EXPECT_EQ(limits.minimum, 2);
    EXPECT_EQ(limits.maximum, 999);
    std::array<int, 8> installed{};
    EXPECT_FALSE(AccessorySettings::anyCellChosen(installed, 4));
    installed[5] = 1;
    EXPECT_FALSE(AccessorySettings::anyCellChosen(installed, 4)) << "only the rows the dialog shows count";
    installed[2] = 1;
    EXPECT_TRUE(AccessorySettings::anyCellChosen(installed, 4));
}

} // namespace
} // namespace spectavo::shell

#include "core/program/sharedsettings.h"

namespace spectavo::shell {
namespace {

TEST(SharedSettings, DefaultsWithoutFilesAndARoundTrip) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/config");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    program::SharedSettings shared;
    shared.load();
    EXPECT_EQ(shared.kinetics.wavelength, 656.1f);
    EXPECT_EQ(shared.kinetics.totalTime, 120.0f);
    EXPECT_EQ(shared.scan.high, 1100.0f);
    EXPECT_EQ(shared.baseline->points().size(), 20000u);
    shared.kinetics.step = 0.5f;
    shared.scan.low = 200.0f;
    shared.save();
    program::SharedSettings reread;
    reread.load();
    EXPECT_EQ(reread.kinetics.step, 0.5f);
    EXPECT_EQ(reread.scan.low, 200.0f);
}

TEST(SharedSettings, WindowAppearanceDefaultsCoverTheScreenOnTopWithATitle) {
    test::TempDir dir;
    const WindowAppearance appearance = WindowAppearance::load(ProfileFile(dir.file("none.ini"), false));
    EXPECT_TRUE(appearance.titleBar);
    EXPECT_TRUE(appearance.stayOnTop);
    EXPECT_TRUE(appearance.coverScreen);
}

} // namespace
} // namespace spectavo::shell

#include "core/shell/desktopservices.h"

namespace spectavo::shell {
namespace {

class FakeDesktop : public DesktopServices {
public:
    std::vector<std::string> installed;
    std::vector<std::string> started;
    bool programExists(const std::string &program) const override {
        return std::find(installed.begin(), installed.end(), program) != installed.end();
    }
    bool start(const std::string &program, const std::vector<std::string> &arguments) override {
        std::string line = program;
        for (const auto &argument : arguments)
            line += " " + argument;
        started.push_back(line);
        return true;
    }
    bool fileExists(const std::string &) const override { return false; }
};

TEST(DesktopServices, ShutdownOnlyWhenAskedAndShiftIsNotHeld) {
    FakeDesktop desktop;
    EXPECT_FALSE(shutDownAtExit(desktop, 0, false));
    EXPECT_FALSE(shutDownAtExit(desktop, 1, true));
    EXPECT_TRUE(shutDownAtExit(desktop, 1, false));
    EXPECT_EQ(desktop.started, (std::vector<std::string>{"systemctl poweroff"}));
}

TEST(DesktopServices, PrinterSettingsPreferTheDesktopToolThenThePrintServer) {
    FakeDesktop desktop;
    EXPECT_FALSE(openPrinterSettings(desktop));
    desktop.installed = {"xdg-open"};
    EXPECT_TRUE(openPrinterSettings(desktop));
    desktop.installed.push_back("system-config-printer");
    EXPECT_TRUE(openPrinterSettings(desktop));
    EXPECT_EQ(desktop.started,
              (std::vector<std::string>{"xdg-open http://localhost:631/admin", "system-config-printer"}));
    EXPECT_EQ(helpPagePath("/opt/spectavo/bin", 32891), "/opt/spectavo/bin/help/98427.html");
}

TEST(DesktopServices, EveryHelpTopicHasAShippedPage) {
    for (int topic : kHelpTopics)
        EXPECT_TRUE(std::filesystem::exists(helpPagePath(SPECTAVO_BIN_DIR, topic)))
            << helpPagePath(SPECTAVO_BIN_DIR, topic);
}

} // namespace
} // namespace spectavo::shell

#include "core/shell/documentfiles.h"

namespace spectavo::shell {
namespace {

TEST(DocumentFiles, KindsFollowTheExtension) {
    EXPECT_EQ(documentKindForFile("/data/run1.SCA"), DocumentKind::WavelengthScan);
    EXPECT_EQ(documentKindForFile("old.wav"), DocumentKind::WavelengthScan);
    EXPECT_EQ(documentKindForFile("nadh.kin"), DocumentKind::TimeScan);
    EXPECT_EQ(documentKindForFile("cal.QUA"), DocumentKind::FixedPoints);
    EXPECT_EQ(documentKindForFile("a.dna"), DocumentKind::DnaProtein);
    EXPECT_EQ(documentKindForFile("check.val"), DocumentKind::Validity);
    EXPECT_FALSE(documentKindForFile("notes.txt").has_value());
    EXPECT_FALSE(documentKindForFile("dir.sca/file").has_value());
}

TEST(DocumentFiles, RecentFilesKeepFourNewestFirst) {
    test::TempDir dir;
    ProfileFile settings(dir.file("analyst.ini"), false);
    RecentFiles recent;
    for (const char *file : {"a.sca", "b.kin", "c.qua", "d.dna", "b.kin", "e.val"})
        recent.add(file);
    EXPECT_EQ(recent.files(), (std::vector<std::string>{"e.val", "b.kin", "d.dna", "c.qua"}));
    recent.save(settings);
    RecentFiles reread;
    reread.load(settings);
    EXPECT_EQ(reread.files(), recent.files());
}

} // namespace
} // namespace spectavo::shell

#include "core/shell/login.h"
#include "core/shell/passwordhash.h"
#include "core/shell/sha256.h"

namespace spectavo::shell {
namespace {

TEST(Sha256, MatchesTheStandardTestVectors) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

// Hashes made outside this program: by the reference Argon2 tool
// (echo -n "correct horse" | argon2 spectavo-salt-2 -id -t 1 -m 13 -p 1 -e) and by libsodium itself
// through PyNaCl (nacl.pwhash.argon2id.str with its smallest limits).
TEST(Passwords, Argon2idHashesOfOtherToolsVerify) {
    const std::string reference = "$argon2id$v=19$m=8192,t=1,p=1$c3BlY3Rhdm8tc2FsdC0y$"
                                  "vdR6xqg0n6UdkBx9Vacq0Af+qwkzQt1KjW6hSEtYAwU";
    const std::string pynacl = "$argon2id$v=19$m=8,t=1,p=1$v+DPgSsrCHGnPmgf4UCvYA$"
                               "YsfrD1BR1YOVs3JLMdSqvezFaeiKoMAnN3ZoZDfhmFc";
    for (const std::string &stored : {reference, pynacl}) {
        EXPECT_TRUE(verifyPassword(stored, "correct horse")) << stored;
        EXPECT_FALSE(verifyPassword(stored, "correct horsE")) << stored;
        EXPECT_FALSE(verifyPassword(stored, "")) << stored;
    }
    std::string changed = reference;
    changed[changed.size() - 2] = changed[changed.size() - 2] == 'A' ? 'B' : 'A';
    EXPECT_FALSE(verifyPassword(changed, "correct horse")) << "one changed letter of the hash";
    EXPECT_FALSE(verifyPassword("sha256$aa$bb", "correct horse"));

    const std::string ours = hashPassword("correct horse", {1, 8192});
    EXPECT_EQ(ours.rfind("$argon2id$v=19$m=8,t=1,p=1$", 0), 0u) << ours;
    EXPECT_TRUE(verifyPassword(ours, "correct horse"));
    EXPECT_NE(ours, hashPassword("correct horse", {1, 8192})) << "each hash has its own salt";
}

// The older forms log in once more and are stored again as Argon2id at that login; a wrong password
// changes nothing.
TEST(Passwords, OlderFormsAreAcceptedOnceAndReplacedByArgon2id) {
    test::TempDir dir;
    for (const std::string &older :
         {std::string("Secret"), LoginRules::sha256Form("Secret", "0011223344556677")}) {
        test::writeBytes(dir.file("analyst.ini"), "[Spectavo]\nPassword=" + older + "\n");
        ProfileFile settings(dir.file("analyst.ini"), false);
        EXPECT_FALSE(LoginRules::accepts(settings, "secret")) << "letter case counts";
        EXPECT_EQ(settings.GetString("Spectavo", "Password", "", 200), older);
        EXPECT_TRUE(LoginRules::accepts(settings, "Secret")) << older;
        const std::string upgraded = settings.GetString("Spectavo", "Password", "", 200);
        EXPECT_TRUE(isArgon2id(upgraded)) << upgraded;
        EXPECT_EQ(upgraded.find("Secret"), std::string::npos) << "never in plain text";
        EXPECT_TRUE(LoginRules::accepts(settings, "Secret"));
        EXPECT_EQ(settings.GetString("Spectavo", "Password", "", 200), upgraded) << "hashed once";
    }
}

TEST(Passwords, ChangedPasswordsAreStoredAsArgon2id) {
    test::TempDir dir;
    test::writeBytes(dir.file("analyst.ini"), "[Spectavo]\nPassword=" + LoginRules::hashed("Secret") + "\n");
    ProfileFile settings(dir.file("analyst.ini"), false);
    EXPECT_TRUE(LoginRules::loginNeeded(settings));
    EXPECT_FALSE(LoginRules::change(settings, "Secret", "new1", "new2"));
    ASSERT_TRUE(LoginRules::change(settings, "Secret", "n3wPass", "n3wPass"));
    EXPECT_TRUE(isArgon2id(settings.GetString("Spectavo", "Password", "", 200)));
    EXPECT_TRUE(LoginRules::accepts(settings, "n3wPass"));
    EXPECT_FALSE(LoginRules::accepts(settings, "Secret"));
    EXPECT_TRUE(LoginRules::oldPasswordMatches(settings, "n3wPass"));

    ASSERT_TRUE(LoginRules::change(settings, "n3wPass", "", ""));
    EXPECT_FALSE(LoginRules::loginNeeded(settings)) << "an empty password removes the login";
}

TEST(Passwords, NoStoredPasswordNeedsNoLogin) {
    test::TempDir dir;
    const ProfileFile settings(dir.file("none.ini"), false);
    EXPECT_FALSE(LoginRules::loginNeeded(settings));
    EXPECT_TRUE(LoginRules::oldPasswordMatches(settings, ""));
}

} // namespace
} // namespace spectavo::shell

namespace spectavo::shell {
namespace {

TEST(ProposedFileName, NoPathNoControlCharactersNoLeadingDots) {
    EXPECT_EQ(proposedFileName("HOLMIUM.sca"), "HOLMIUM.sca");
    EXPECT_EQ(proposedFileName("../../etc/passwd"), "etcpasswd");
    EXPECT_EQ(proposedFileName("a\\b\x01"
                               "c\x7f\n.kin"),
              "abc.kin");
    EXPECT_EQ(proposedFileName("..."), "");
    EXPECT_EQ(proposedFileName("Probe \xc3\xa4 1.sca"), "Probe \xc3\xa4 1.sca") << "UTF-8 stays";
}

} // namespace
} // namespace spectavo::shell
