// Acquisition operations whose command does not go out: nothing stays open to block the next start.

#include <gtest/gtest.h>

#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

TEST(AcquisitionGiveUp, AnOperationWhoseCommandIsRefusedLeavesNothingOpen) {
    test::LinkFixture fixture;
    StationLink &link = *fixture.link;
    link.status().linkOnline = 1;
    test::TestScanTarget spectrum(11);
    std::atomic<float> blank{0.0f}, result{0.0f};
    test::hubRefuseSends(-1); // the give-up trips on every send

    EXPECT_FALSE(link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &fixture.window));
    EXPECT_FALSE(link.acquisition().open.load()) << "scan";
    EXPECT_FALSE(link.operations().OpenWordAcquisition(kFileOpen, 1, 2, &fixture.window));
    EXPECT_FALSE(link.acquisition().open.load()) << "instrument file";
    EXPECT_FALSE(link.operations().OpenCommandAcquisition(kFileDirectory, &fixture.window));
    EXPECT_FALSE(link.acquisition().open.load()) << "directory";
    EXPECT_FALSE(link.operations().GotoAndRead(kModeGotoAndRead, 500.0f, &blank, &result, &fixture.window));
    EXPECT_FALSE(link.acquisition().open.load()) << "goto and read";
    EXPECT_EQ(link.acquisition().mode.load(), kModeNone);

    // The line is back: the next start is not refused for an acquisition nobody holds.
    test::hubRefuseSends(0);
    const int sentBefore = test::hubSentCount();
    EXPECT_TRUE(link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &fixture.window));
    EXPECT_EQ(test::hubSentCount(), sentBefore + 1);
    link.operations().CloseAcquisition();
}

TEST(DarkCurrentCalibration, TellsTheMainWindowTheInstrumentIsBusy) {
    test::LinkFixture fixture;
    ASSERT_TRUE(fixture.link->operations().OpenCommandAcquisition(kCalibrateDarkCurrent, &fixture.window));
    EXPECT_TRUE(fixture.main.received(Notification::station(kStationState, kStateBusy)));
    EXPECT_EQ(fixture.link->status().longOperationPending.load(), 1);
    fixture.link->operations().CloseAcquisition();
}

} // namespace
} // namespace spectavo::link
