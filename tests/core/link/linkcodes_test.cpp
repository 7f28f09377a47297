// The link's named codes at their wire values, the long operations' flag against an instant answer,
// and the station-model file name built from what the instrument reports.

#include <filesystem>

#include <gtest/gtest.h>

#include "core/link/linkcodes.h"
#include "core/link/stationmodel.h"
#include "core/link/stationrules.h"
#include "support/linkfixture.h"
#include "support/tempdir.h"

namespace spectavo::link {
namespace {

TEST(LinkCodes, NamesKeepTheirWireValues) {
    EXPECT_EQ(kPacketLinkState, 0);
    EXPECT_EQ(kPacketStatusItem, 16);
    EXPECT_EQ(kPacketOperationState, 33);
    EXPECT_EQ(kPacketScanPoint, 63);
    EXPECT_EQ(kPacketDirectory, 128);
    EXPECT_EQ(kPacketContent, 130);
    EXPECT_EQ(kPacketAcknowledgement, 255);
    EXPECT_EQ(kItemSipper, 8);
    EXPECT_EQ(kItemD2EnergyLow, 11);
    EXPECT_EQ(kStationAbsorbance, 39);
    EXPECT_EQ(kStationTransferDone, 255);
    EXPECT_EQ(kAcqCellReading, 4);
    EXPECT_EQ(kAcqAcknowledged, 255);
    EXPECT_EQ(static_cast<int>(NotifyKind::RemoteStart), 0x402);
    EXPECT_EQ(kLampW, 1);
    EXPECT_EQ(kDoubleBeam, 2);
    EXPECT_EQ(kSlit4nm, 4);
    EXPECT_EQ(kStoredTimeScan, 2);
    EXPECT_EQ(kStoredStandard, 7);
    EXPECT_EQ(kUnitOwnText, 10);
}

// A hub whose instrument acknowledges a command while it is still being sent: the answer is decoded
// before the send returns, the worst order the receive thread can produce.
StationLink *g_answeringLink = nullptr;

unsigned char answerAtOnce(StationPacket *packet) {
    StationPacket ack{};
    ack.code = kPacketAcknowledgement;
    ack.length = 2;
    ack.data[0] = packet->code;
    g_answeringLink->decodePacket(ack);
    return 1;
}

class InstantAnswer : public ::testing::Test {
protected:
    InstantAnswer() {
        test::hubReset();
        SymbolTableLoader::Table table = test::scriptedHubSymbols();
        table["Msg_Send"] = reinterpret_cast<void *>(&answerAtOnce);
        auto loader = std::make_unique<SymbolTableLoader>();
        loader->add("answering.so", table);
        link = std::make_unique<StationLink>(std::move(loader));
        g_answeringLink = link.get();
        EXPECT_TRUE(link->channel().LoadHubDriverNamed("answering.so"));
        link->channel().OpenHub();
    }
    ~InstantAnswer() override { g_answeringLink = nullptr; }
    std::unique_ptr<StationLink> link;
};

TEST_F(InstantAnswer, LongOperationsEndClearedWhenTheAcknowledgementComesFirst) {
    ASSERT_TRUE(link->commands().CalibrateBaseline());
    EXPECT_EQ(link->status().longOperationPending.load(), 0) << "baseline calibration";
    ASSERT_TRUE(link->commands().Locate656());
    EXPECT_EQ(link->status().longOperationPending.load(), 0) << "656.1 nm";
    ASSERT_TRUE(link->commands().SetSwitchPoint(340.0f));
    EXPECT_EQ(link->status().longOperationPending.load(), 0) << "switch point, which ends with a calibration";
    // With nothing to clear it, the next accessory change would ask for a restart for nothing.
    link->status().accessoryChanged = 1;
    EXPECT_NE(checkAccessoryChange(link->status()), AccessoryReaction::AskForRestart);
}

TEST(LongOperation, ARefusedCommandLeavesNoFlagBehind) {
    test::LinkFixture fixture;
    test::hubRefuseSends(-1);
    EXPECT_FALSE(fixture.link->commands().CalibrateBaseline());
    EXPECT_EQ(fixture.link->status().longOperationPending.load(), 0);
    test::hubRefuseSends(0);
}

TEST(StationModel, NamesThatCouldLeaveTheConfigurationFolderAreRefused) {
    for (const char *name : {"../../x", "a/b", "a\\b", "..",
                             "UV\x01"
                             "1900",
                             "UV\x7f"})
        EXPECT_FALSE(acceptableModelName(name)) << name;
    EXPECT_TRUE(acceptableModelName("UV-1900"));
    EXPECT_TRUE(acceptableModelName(""));
    EXPECT_EQ(stationModelFile("UV-1900"), "..\\config\\tarvesta.zav.station.UV-1900.ini");
    EXPECT_EQ(stationModelFile("../../x"), "..\\config\\tarvesta.zav.station..ini");
}

TEST(StationModel, ARefusedNameKeepsTheDefaultsEvenWhereItsFileExists) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/config");
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/x");
    // "a/b" would otherwise read config/tarvesta.zav.station.a/b.ini.
    std::filesystem::create_directories(dir.path() + "/config/tarvesta.zav.station.a");
    test::writeBytes(dir.file("config/tarvesta.zav.station.a/b.ini"), "[Station]\nSwitchWL_Min=200\n");
    test::writeBytes(dir.file("config/tarvesta.zav.station.UV-1900.ini"), "[Station]\nSwitchWL_Min=310\n");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    EXPECT_EQ(readSwitchPointLimits("a/b").minimum, 320.0f);
    EXPECT_EQ(readSwitchPointLimits("UV-1900").minimum, 310.0f);
}

} // namespace
} // namespace spectavo::link
