#include <cmath>

#include <gtest/gtest.h>

#include "core/link/commands.h"
#include "core/link/readingdecode.h"
#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Tenths, WavelengthsRoundToTheNearestTenth) {
    EXPECT_EQ(toTenths(656.1f), 6561u);
    EXPECT_EQ(toTenths(546.1f), 5461u);
    EXPECT_EQ(toTenths(260.0f), 2600u);
    EXPECT_EQ(toTenths(0.7f), 7u);
    EXPECT_EQ(toTenths(656.19f), 6562u);
    EXPECT_EQ(toTenths(-3.0f), 0u);
    EXPECT_EQ(toTenths(NAN), 0u);
}

TEST(Commands, GotoWavelengthSendsRoundedTenthsBigEndian) {
    test::LinkFixture fixture;
    test::RecordingTarget window;
    ASSERT_TRUE(fixture.link->operations().GotoWavelength(656.1f, &window));
    fixture.link->operations().CloseAcquisition();
    ASSERT_TRUE(fixture.link->operations().GotoWavelength(260.0f, &window));
    EXPECT_EQ(test::sentCommands(),
              (std::vector<test::SentCommand>{{kGotoWavelength, {0x00, 0x00, 0x19, 0xA1}},
                                              {kGotoWavelength, {0x00, 0x00, 0x0A, 0x28}}}));
    EXPECT_EQ(fixture.link->acquisition().targetWavelengthTenths.load(), 2600);
    EXPECT_TRUE(fixture.main.received(Notification::station(1, 1)));
}

TEST(Commands, ScanSetupAmplifierSlitLampAndSwitchPointBytes) {
    test::LinkFixture fixture;
    ASSERT_TRUE(fixture.link->operations().SendScanSetup(1100.0f, 190.0f, 1.0f, 1));
    ASSERT_TRUE(fixture.link->commands().SetAmplifier(amplifierByte(3)));
    ASSERT_TRUE(fixture.link->commands().SetAmplifier(amplifierByte(-1)));
    ASSERT_TRUE(fixture.link->commands().SetSlit(4));
    ASSERT_TRUE(fixture.link->commands().LampSwitch(0, 1));
    ASSERT_TRUE(fixture.link->commands().SetSwitchPoint(340.0f));
    EXPECT_EQ(test::sentCommands(),
              (std::vector<test::SentCommand>{
                  {kScanSetup, {0x00, 0x00, 0x2A, 0xF8, 0x00, 0x00, 0x07, 0x6C, 0x00, 0x0A, 0x01}},
                  {kSetAmplifier, {0x33}},
                  {kSetAmplifier, {0xFF}},
                  {kSetSlit, {0x04}},
                  {kLampSwitch, {0x00, 0x01}},
                  {kSetSwitchPoint, {0x00, 0x00, 0x0D, 0x48}},
                  {kCalibrateBaseline, {}},
              }));
}

TEST(Commands, StartingRefusesWhileAnotherWindowHoldsTheAcquisition) {
    test::LinkFixture fixture;
    test::RecordingTarget holder, other;
    test::TestScanTarget spectrum(10);
    ASSERT_TRUE(fixture.link->operations().GotoWavelength(500.0f, &holder));
    const int sentBefore = test::hubSentCount();
    EXPECT_FALSE(fixture.link->operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &other));
    EXPECT_FALSE(fixture.link->operations().SendScanSetup(1100.0f, 190.0f, 1.0f, 1));
    EXPECT_FALSE(fixture.link->operations().GotoWavelength(400.0f, &other));
    EXPECT_FALSE(fixture.link->operations().TakeBlank(&other));
    EXPECT_EQ(test::hubSentCount(), sentBefore) << "a refused operation sends nothing";
    EXPECT_TRUE(
        fixture.link->operations().GotoAndRead(kModeGotoAndReadout, 450.0f, nullptr, nullptr, &holder));
    EXPECT_TRUE(fixture.link->operations().TakeBlank(&holder));
}

TEST(Commands, StartScanSendsTheCodeOfItsDataKind) {
    test::LinkFixture fixture;
    test::RecordingTarget window;
    test::TestScanTarget spectrum(10);
    for (int kind : {0, 1, 2, 3}) {
        ASSERT_TRUE(fixture.link->operations().StartScan(kind, &spectrum, nullptr, &window));
        fixture.link->operations().CloseAcquisition();
    }
    const auto sent = test::sentCommands();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0].code, kStartScanEnergies);
    EXPECT_EQ(sent[1].code, kStartScanSampleEnergy);
    EXPECT_EQ(sent[2].code, kStartScanAbsorbance);
    EXPECT_EQ(sent[3].code, kStartScanAbsorbance);
}

TEST(Commands, StopWithoutAcquisitionStillSendsEscape) {
    test::LinkFixture fixture;
    fixture.link->operations().StopMeasurement();
    EXPECT_EQ(test::sentCommands(), (std::vector<test::SentCommand>{{kEscape, {}}}));
}

TEST(Commands, FileRequestsTravelWithTheHandleUnswapped) {
    test::LinkFixture fixture;
    test::RecordingTarget window;
    ASSERT_TRUE(fixture.link->operations().OpenWordAcquisition(kFileOpen, 0x12, 0x34, &window));
    EXPECT_FALSE(fixture.link->operations().OpenCommandAcquisition(kFileDirectory, &window));
    EXPECT_EQ(test::sentCommands(), (std::vector<test::SentCommand>{{kFileOpen, {0x12, 0x34}}}));
}

TEST(ReadingDecode, SingleBeamUsesTheGainFieldAsReference) {
    const auto record = test::readingRecord(5000, 1000, 0, 500.0f, 0.0f);
    EXPECT_NEAR(decodeReading(record, 0, false).absorbance, 0.30103f, 1e-5);
    const auto dim = test::readingRecord(5000, 1000, 0, 0.5f, 0.0f);
    EXPECT_EQ(decodeReading(dim, 0, false).sampleSignal, 1.0f) << "a signal below 1 counts as 1";
    EXPECT_NEAR(decodeReading(dim, 0, false).absorbance, 3.0f, 1e-5);
}

TEST(ReadingDecode, DoubleBeamRatioWithGains) {
    const auto record = test::readingRecord(5000, 2, 2, 800.0f, 400.0f);
    EXPECT_NEAR(decodeReading(record, 2, false).absorbance, -0.30103f, 1e-5);
    const auto gains = test::readingRecord(5000, 4, 2, 800.0f, 400.0f);
    EXPECT_NEAR(decodeReading(gains, 1, false).absorbance, 0.0f, 1e-6) << "gains applied";
    EXPECT_NEAR(decodeReading(gains, 1, true).absorbance, -0.30103f, 1e-5) << "gains ignored for scan points";
    EXPECT_NEAR(decodeReading(gains, 2, true).absorbance, 0.0f, 1e-6) << "beam type 2 always applies them";
}

TEST(ReadingDecode, HostileRecordsStayFinite) {
    const auto nan = test::readingRecord(1, 60000, 0, NAN, INFINITY);
    EXPECT_TRUE(std::isfinite(decodeReading(nan, 2, false).absorbance));
    EXPECT_EQ(decodeReading(Bytes{0x01}, 0, false).wavelengthTenths, 0x0100);
}

} // namespace
} // namespace spectavo::link
