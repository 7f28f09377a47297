// The time-scan runs against the scripted hub and the link's real sampling timer: what is sent, what
// each curve holds when a scan ends, breaks or cycles over the cells, and what the operator is told.

#include <cmath>
#include <filesystem>
#include <limits>
#include <thread>

#include <gtest/gtest.h>

#include "core/acquisition/kineacquisition.h"
#include "core/link/commands.h"
#include "core/scan/chartstyle.h"
#include "support/linkfixture.h"
#include "support/manualtimers.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

using namespace std::chrono_literals;
using test::SentCommand;

class RecordingView : public KineAcquisitionView {
public:
    void showState(const std::string &text) override { states.push_back(text); }
    void inform(const std::string &text) override { informed.push_back(text); }
    void curvesChanged() override { ++changes; }
    void pointsArrived() override { ++arrivals; }
    void scanEnded() override { ++ends; }
    std::vector<std::string> states, informed;
    int changes = 0, arrivals = 0, ends = 0;
};

using test::ManualTimers;

class KineAcquisitionTest : public ::testing::Test {
protected:
    KineAcquisitionTest() {
        std::filesystem::create_directories(dir.path() + "/config");
        std::filesystem::create_directories(dir.path() + "/bin");
        test::writeBytes(dir.file("config/tarvesta.zav.func.kinetics.ini"), "[Curve]\nThisColor=4\n");
        link::StationStatus &status = fixture.link->status();
        status.cellCount.store(8);
        status.linkOnline.store(1);
        status.stationReady.store(1);
    }
    // Hands the window every notification the link posted, as the window's event loop does.
    void deliverPosted() {
        const std::vector<link::Notification> posted = fixture.window.posted();
        fixture.window.clear();
        for (const link::Notification &notification : posted)
            acquisition.handleNotification(notification);
    }
    void waitForTheSamplingToEnd() {
        for (int i = 0; i < 5000 && fixture.link->acquisition().open.load(); ++i)
            std::this_thread::sleep_for(1ms);
        ASSERT_FALSE(fixture.link->acquisition().open.load());
    }
    // The drive reaches the start's wavelength: its position, the acknowledgement, a reading there; the
    // run hears of it and starts sampling. `absorbance` is the latest reading when it does.
    void arriveAt(float nanometres, float absorbance) {
        const auto tenths = static_cast<std::uint16_t>(link::toTenths(nanometres));
        fixture.link->decodePacket(
            test::packet(link::kPacketWavelengthReached,
                         {static_cast<std::uint8_t>(tenths >> 8), static_cast<std::uint8_t>(tenths & 0xFF)}));
        fixture.link->decodePacket(test::packet(link::kPacketAcknowledgement, {link::kGotoWavelength, 0}));
        fixture.link->decodePacket(
            test::packet(link::kPacketReading, test::readingRecord(tenths, 1, 1, 1000.0f, 2000.0f)));
        test::publishReading(*fixture.link, absorbance, nanometres);
        deliverPosted();
    }
    // One visit of the changer to a cell in a multicell run: arrival, settling, one reading.
    void visitCell(int cell, float reading) {
        fixture.link->status().currentCell.store(static_cast<std::uint8_t>(cell));
        acquisition.handleNotification(link::Notification::acquisition(link::kAcqCellReached, 0));
        EXPECT_EQ(timers.settle, 2000);
        acquisition.settleTick();
        EXPECT_EQ(fixture.link->acquisition().armed.load(), 1);
        acquisition.handleNotification(link::Notification::acquisitionFloat(link::kAcqCellReading, reading));
    }

    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::LinkFixture fixture;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
    scan::RecordList<scan::CKineSpectrum> curves;
    RecordingView view;
    ManualTimers timers;
    KineAcquisition acquisition{
        {*fixture.link, shared, flags, accessories}, curves, &fixture.window, view, timers};
};

TEST_F(KineAcquisitionTest, ASingleScanWaitsForAReadingAtTheWavelengthThenFillsItsGrid) {
    shared.kinetics.totalTime = 1.0f;
    shared.kinetics.step = 0.05f;
    shared.kinetics.wavelength = 340.0f;
    auto existing = std::make_unique<scan::CKineSpectrum>(scan::CKineSpectrum::makeNew());
    existing->name = "older";
    curves.insertFront(std::move(existing));
    {
        // The drive is still on its way: its readings are of another wavelength.
        test::ReadingFeeder onTheWay(*fixture.link, 500.0f, 0.0003f);
        ASSERT_TRUE(acquisition.startSingle());
        const std::vector<SentCommand> gotos = test::sentCommandsWith(link::kGotoWavelength);
        ASSERT_EQ(gotos.size(), 1u);
        EXPECT_EQ(gotos[0].data, (std::vector<std::uint8_t>{0x00, 0x00, 0x0D, 0x48})) << "3400 tenths";
        EXPECT_EQ(timers.settle, KineAcquisition::kReadingWaitMilliseconds);
        std::this_thread::sleep_for(20ms);
        deliverPosted();
        EXPECT_EQ(fixture.link->acquisition().mode.load(), link::kModeGotoAndRead) << "not sampling yet";
    }
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves.currentIndex(), 0u) << "the new curve, which the box shows, is current";
    const scan::CKineSpectrum &curve = curves.at(0);
    EXPECT_EQ(curve.name, "Sample-2");
    EXPECT_EQ(curve.sampleName(), "Sample-2");
    EXPECT_EQ(curve.wavelength, 340.0f);
    EXPECT_EQ(curve.points().size(), 21u);
    EXPECT_TRUE(curve.modified);

    arriveAt(340.0f, 0.42f);
    EXPECT_EQ(timers.settle, 0) << "the wait is over";
    test::ReadingFeeder instrument(*fixture.link, 340.0f, 0.42f);
    waitForTheSamplingToEnd();
    deliverPosted();
    EXPECT_FALSE(curve.acquiring.load());
    EXPECT_EQ(curve.count.load(), 21);
    EXPECT_EQ(curve.points(), std::vector<float>(21, 0.42f)) << "no point is a reading from the drive's way";
    EXPECT_EQ(curve.markers().size(), 21u) << "markers computed at the end";
    EXPECT_EQ(view.informed, std::vector<std::string>{KineAcquisition::kCompleted});
    EXPECT_EQ(view.states.back(), "Ready");
    EXPECT_FALSE(acquisition.running());
    EXPECT_FALSE(acquisition.lastRunBroken());
}

TEST_F(KineAcquisitionTest, NoReadingAtTheWavelengthGivesTheScanUpWithNothingKept) {
    shared.kinetics.totalTime = 10.0f;
    shared.kinetics.step = 0.5f;
    ASSERT_TRUE(acquisition.startSingle());
    ASSERT_EQ(curves.size(), 1u);
    acquisition.settleTick();
    EXPECT_EQ(view.informed, std::vector<std::string>{KineAcquisition::kBroken});
    EXPECT_TRUE(curves.empty()) << "a curve with nothing measured leaves the list";
    EXPECT_TRUE(acquisition.lastRunBroken());
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    EXPECT_FALSE(acquisition.running());
    // The next start is not swallowed by the stop just handled.
    ASSERT_TRUE(acquisition.startSingle());
    arriveAt(shared.kinetics.wavelength, 0.1f);
    fixture.link->operations().StopMeasurement();
    deliverPosted();
    EXPECT_EQ(view.informed.size(), 2u);
}

TEST_F(KineAcquisitionTest, AStoppedScanSaysBrokenOnceAndKeepsEveryMeasuredPoint) {
    shared.kinetics.totalTime = 100.0f;
    shared.kinetics.step = 0.02f;
    ASSERT_TRUE(acquisition.startSingle());
    arriveAt(shared.kinetics.wavelength, 0.3f);
    test::ReadingFeeder instrument(*fixture.link, shared.kinetics.wavelength, 0.3f, 200us);
    std::this_thread::sleep_for(150ms);
    fixture.link->operations().StopMeasurement();
    deliverPosted();
    EXPECT_EQ(view.informed.size(), 1u) << "the completion that follows the stop is no news";
    EXPECT_EQ(view.informed.at(0).rfind(KineAcquisition::kBroken, 0), 0u);
    ASSERT_EQ(curves.size(), 1u);
    const scan::CKineSpectrum &curve = curves.at(0);
    const int measured = fixture.link->acquisition().sampledPoints.load();
    ASSERT_GT(measured, 1);
    ASSERT_LT(measured, 5001);
    EXPECT_FALSE(curve.acquiring.load());
    EXPECT_EQ(static_cast<int>(curve.points().size()), measured) << "every measured point stays";
    EXPECT_EQ(curve.count.load(), measured);
    // The file's whole-second total time covers the last point.
    EXPECT_EQ(curve.totalTime, static_cast<int>(std::ceil((measured - 1) * 0.02 - 0.001)));
    EXPECT_GE(curve.fullPointCount(), curve.points().size());
    EXPECT_LE(curve.endTime, (measured - 1) * 0.02f + 1e-4f);
}

TEST_F(KineAcquisitionTest, KeepingAStoppedScanAtHalfSecondsKeepsThePointAtFourAndAHalf) {
    shared.kinetics.totalTime = 20.0f;
    shared.kinetics.step = 0.5f;
    ASSERT_TRUE(acquisition.startSingle());
    arriveAt(shared.kinetics.wavelength, 0.3f);
    // Ten points measured (0 to 4.5 s), then the operator stops.
    fixture.link->acquisition().sampledPoints = 10;
    link::Acquisition::Held(fixture.link->acquisition()).close();
    fixture.link->operations().EndTimedSampling();
    fixture.window.clear();
    acquisition.handleNotification(link::Notification::acquisition(link::kAcqStopped, 0));
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves.at(0).points().size(), 10u);
    EXPECT_EQ(curves.at(0).totalTime, 5);
    EXPECT_FLOAT_EQ(curves.at(0).endTime, 4.5f);
}

TEST_F(KineAcquisitionTest, PointsThatNeverArrivedAreCountedInTheMessageAndTheMemo) {
    shared.kinetics.totalTime = 1.0f;
    shared.kinetics.step = 0.1f;
    ASSERT_TRUE(acquisition.startSingle());
    arriveAt(shared.kinetics.wavelength, 0.5f);
    // The drive wandered off: readings keep coming, but none at the curve's wavelength.
    test::ReadingFeeder elsewhere(*fixture.link, shared.kinetics.wavelength + 10.0f, 0.9f);
    waitForTheSamplingToEnd();
    deliverPosted();
    const std::string note = "10 of 11 points did not arrive; they are shown as 0.";
    ASSERT_EQ(view.informed.size(), 1u);
    EXPECT_EQ(view.informed[0], std::string(KineAcquisition::kCompleted) + "\n" + note);
    EXPECT_NE(curves.at(0).memo.find(note), std::string::npos);
    EXPECT_EQ(curves.at(0).points()[0], 0.5f);
    EXPECT_EQ(curves.at(0).points()[1], 0.0f);
}

// The instrument closes the acquisition in the middle of a scan: the scan ends as a stop does.
TEST_F(KineAcquisitionTest, AnEndFromTheInstrumentEndsTheScanAsAStopAndFreesTheWindow) {
    shared.kinetics.totalTime = 100.0f;
    shared.kinetics.step = 0.02f;
    ASSERT_TRUE(acquisition.startSingle());
    arriveAt(shared.kinetics.wavelength, 0.6f);
    test::ReadingFeeder instrument(*fixture.link, shared.kinetics.wavelength, 0.6f, 200us);
    std::this_thread::sleep_for(60ms);
    fixture.link->decodePacket(test::packet(link::kPacketOperationState, {link::kOperationFinished}));
    waitForTheSamplingToEnd();
    deliverPosted();
    EXPECT_FALSE(acquisition.running()) << "the window can close";
    ASSERT_EQ(view.informed.size(), 1u);
    EXPECT_EQ(view.informed[0].rfind(KineAcquisition::kBroken, 0), 0u);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_FALSE(curves.at(0).acquiring.load());
    EXPECT_GT(curves.at(0).points().size(), 1u);
    EXPECT_LT(curves.at(0).points().size(), 5001u);
    EXPECT_TRUE(acquisition.instrumentFree() || fixture.link->status().stationReady.load() == 0);
}

TEST_F(KineAcquisitionTest, StartWhileAnotherAcquisitionIsOpenLeavesNoCurve) {
    test::RecordingTarget other;
    ASSERT_TRUE(fixture.link->operations().OpenAcquisition(&other, link::kModeGotoOnly));
    EXPECT_FALSE(acquisition.startSingle());
    EXPECT_TRUE(curves.empty());
    EXPECT_TRUE(view.informed.empty());
    EXPECT_TRUE(fixture.link->acquisition().open.load()) << "the other window's acquisition stays open";
}

TEST_F(KineAcquisitionTest, AHandEditedSetupThatNoScanCanKeepIsRefused) {
    shared.kinetics.step = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(acquisition.startSingle());
    shared.kinetics.step = 1.0f;
    shared.kinetics.totalTime = 1e30f;
    EXPECT_FALSE(acquisition.startAutorun());
    EXPECT_TRUE(curves.empty());
    EXPECT_EQ(view.informed, std::vector<std::string>(2, KineAcquisition::kUnusableSetup));
    EXPECT_FALSE(fixture.link->acquisition().open.load());
}

TEST_F(KineAcquisitionTest, AutorunFillsEachCellsCurveFromItsOwnCellAtThirtySecondSteps) {
    accessories.cellInstalled = {1, 0, 1, 0, 0, 0, 0, 0};
    accessories.cellName[0] = "Blank tube";
    accessories.cellName[2] = std::string(18, ' ');
    shared.kinetics.totalTime = 60.0f;
    shared.kinetics.step = 10.0f;
    ASSERT_TRUE(acquisition.startAutorun());
    EXPECT_EQ(shared.kinetics.step, 30.0f) << "raised before the curves were made, and kept";
    ASSERT_EQ(curves.size(), 2u);
    scan::CKineSpectrum &cell0 = curves.at(1);
    scan::CKineSpectrum &cell2 = curves.at(0);
    EXPECT_EQ(cell0.name, "Blank tube");
    EXPECT_EQ(cell2.name, "Sample-2");
    EXPECT_EQ(cell0.colour, scan::indexedColour(4));
    EXPECT_EQ(cell2.colour, scan::indexedColour(5));
    EXPECT_EQ(cell0.points().size(), 3u);
    EXPECT_EQ(flags.autorunActive, 1);
    EXPECT_EQ(timers.cycle, 1);

    for (int cycle = 0; cycle < 3; ++cycle) {
        acquisition.cycleTick();
        if (cycle < 2) {
            EXPECT_EQ(timers.cycle, 30000) << "cycle " << cycle;
        }
        visitCell(0, 0.1f * static_cast<float>(cycle + 1));
        visitCell(2, 1.0f + static_cast<float>(cycle));
    }
    EXPECT_EQ(cell0.points(), (std::vector<float>{0.1f, 0.2f, 0.3f}));
    EXPECT_EQ(cell2.points(), (std::vector<float>{1.0f, 2.0f, 3.0f}));
    EXPECT_FALSE(cell0.acquiring.load());
    EXPECT_FALSE(cell2.acquiring.load());
    EXPECT_EQ(cell0.markers().size(), 3u);
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_EQ(timers.cycle, 0) << "the full curves stopped the cycle";
    EXPECT_TRUE(view.informed.empty()) << "nothing was missing";
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    std::vector<std::uint8_t> requested;
    for (const SentCommand &command : test::sentCommandsWith(link::kSelectCell))
        requested.push_back(command.data.at(0));
    EXPECT_EQ(requested, (std::vector<std::uint8_t>{0, 2, 0, 2, 0, 2}));

    // A reading after the run is ignored: nothing is written past the curves.
    acquisition.handleNotification(link::Notification::acquisitionFloat(link::kAcqCellReading, 9.0f));
    EXPECT_EQ(cell2.points().size(), 3u);
}

// A cell report lost on the line: that cycle's point of the cell is missing, and every later reading
// still goes to the point of the cycle it was taken in.
TEST_F(KineAcquisitionTest, AutorunPlacesEachReadingAtItsCycleAndCountsLostOnes) {
    accessories.cellInstalled = {1, 0, 1, 0, 0, 0, 0, 0};
    shared.kinetics.totalTime = 90.0f;
    shared.kinetics.step = 30.0f;
    ASSERT_TRUE(acquisition.startAutorun());
    acquisition.cycleTick();
    visitCell(0, 0.1f);
    visitCell(2, 1.0f);
    acquisition.cycleTick();
    visitCell(0, 0.2f);
    // Cell 2's arrival report is lost: no settling, no reading for cycle 1.
    acquisition.cycleTick();
    visitCell(0, 0.3f);
    // A reading that arrives again for the same cycle is not a new point.
    fixture.link->status().currentCell.store(0);
    acquisition.handleNotification(link::Notification::acquisitionFloat(link::kAcqCellReading, 7.0f));
    visitCell(2, 3.0f);
    acquisition.cycleTick();
    visitCell(0, 0.4f);
    visitCell(2, 4.0f);
    scan::CKineSpectrum &cell0 = curves.at(1);
    scan::CKineSpectrum &cell2 = curves.at(0);
    EXPECT_EQ(cell0.points(), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(cell2.points(), (std::vector<float>{1.0f, 0.0f, 3.0f, 4.0f})) << "the lost point stays empty";
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_EQ(view.informed, std::vector<std::string>{"1 of 8 points did not arrive; they are shown as 0."});
    EXPECT_NE(cell2.memo.find("1 of 4 points did not arrive"), std::string::npos);
    EXPECT_TRUE(cell0.memo.empty());
}

// The last cycle's reading never comes: the next tick ends the run instead of waiting for ever.
TEST_F(KineAcquisitionTest, AutorunWhoseLastReadingIsLostEndsAtTheNextCycle) {
    accessories.cellInstalled = {1, 0, 0, 0, 0, 0, 0, 0};
    shared.kinetics.totalTime = 30.0f;
    shared.kinetics.step = 30.0f;
    ASSERT_TRUE(acquisition.startAutorun());
    acquisition.cycleTick();
    visitCell(0, 0.1f);
    acquisition.cycleTick(); // the changer never reports cell 0
    acquisition.cycleTick();
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    EXPECT_EQ(curves.at(0).points(), (std::vector<float>{0.1f, 0.0f}));
    EXPECT_EQ(view.informed, std::vector<std::string>{"1 of 2 points did not arrive; they are shown as 0."});
}

TEST_F(KineAcquisitionTest, StoppingAnAutorunKeepsEachCurvesMeasuredPoints) {
    accessories.cellInstalled = {1, 1, 0, 0, 0, 0, 0, 0};
    shared.kinetics.totalTime = 300.0f;
    shared.kinetics.step = 30.0f;
    ASSERT_TRUE(acquisition.startAutorun());
    for (int cycle = 0; cycle < 2; ++cycle) {
        acquisition.cycleTick();
        visitCell(0, 0.5f);
        visitCell(1, 0.7f);
    }
    acquisition.cycleTick();
    visitCell(0, 0.5f); // cell 1 never read in the third cycle
    fixture.link->operations().StopMeasurement();
    deliverPosted();
    EXPECT_EQ(curves.at(1).points(), (std::vector<float>{0.5f, 0.5f, 0.5f}));
    EXPECT_EQ(curves.at(1).totalTime, 60);
    EXPECT_EQ(curves.at(0).points(), (std::vector<float>{0.7f, 0.7f}));
    EXPECT_EQ(curves.at(0).totalTime, 30);
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_EQ(timers.cycle, 0);
    EXPECT_EQ(view.informed, std::vector<std::string>{KineAcquisition::kBroken});
    fixture.window.clear();
    acquisition.handleNotification(link::Notification::acquisition(link::kAcqFinished, 0));
    EXPECT_EQ(view.informed.size(), 1u);
}

TEST_F(KineAcquisitionTest, RemoteStartsRunSilentlyAndReportTheirEnd) {
    shared.kinetics.totalTime = 1.0f;
    shared.kinetics.step = 0.1f;
    acquisition.remoteStart(link::kRemoteMeasure);
    ASSERT_TRUE(acquisition.running());
    EXPECT_EQ(flags.remoteStartFlag, 1);
    arriveAt(shared.kinetics.wavelength, 0.2f);
    test::ReadingFeeder instrument(*fixture.link, shared.kinetics.wavelength, 0.2f);
    waitForTheSamplingToEnd();
    deliverPosted();
    EXPECT_TRUE(view.informed.empty());
    EXPECT_EQ(flags.remoteStartFlag, 0);
    EXPECT_EQ(test::sentCommandsWith(link::kRemoteMeasureDone).size(), 1u);

    // Any other code takes a blank and reports at once.
    acquisition.remoteStart(0);
    EXPECT_EQ(fixture.link->acquisition().mode.load(), link::kModeTakeBlank);
    EXPECT_EQ(test::sentCommandsWith(link::kRemoteMeasureDone).size(), 2u);
}

TEST_F(KineAcquisitionTest, TheWavelengthAcknowledgementClosesTheSetupsAcquisition) {
    ASSERT_TRUE(acquisition.gotoWavelength(340.0f));
    const std::vector<SentCommand> sent = test::sentCommandsWith(link::kGotoWavelength);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].data, (std::vector<std::uint8_t>{0x00, 0x00, 0x0D, 0x48})) << "3400 tenths, big-endian";
    acquisition.handleNotification(link::Notification::acquisition(link::kAcqAcknowledged, 21));
    EXPECT_TRUE(fixture.link->acquisition().open.load()) << "another command's acknowledgement";
    acquisition.handleNotification(link::Notification::acquisition(link::kAcqAcknowledged, 23));
    EXPECT_FALSE(fixture.link->acquisition().open.load());
}

// A late acknowledgement of the start's move must not close the scan that followed it.
TEST_F(KineAcquisitionTest, ALateWavelengthAcknowledgementLeavesARunningScanAlone) {
    shared.kinetics.totalTime = 100.0f;
    shared.kinetics.step = 0.5f;
    ASSERT_TRUE(acquisition.startSingle());
    arriveAt(shared.kinetics.wavelength, 0.2f);
    ASSERT_EQ(fixture.link->acquisition().mode.load(), link::kModeTimedSampling);
    acquisition.handleNotification(
        link::Notification::acquisition(link::kAcqAcknowledged, link::kGotoWavelength));
    EXPECT_EQ(fixture.link->acquisition().mode.load(), link::kModeTimedSampling);
    fixture.link->operations().StopMeasurement();
}

} // namespace
} // namespace spectavo
