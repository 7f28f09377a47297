#include <gtest/gtest.h>

#include "core/link/hubloader.h"
#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

TEST(DriverFileName, MapsWindowsNamesToSharedLibraries) {
    EXPECT_EQ(driverFileName("tarvesta.zav.comm.rs232.dll"), "tarvesta.zav.comm.rs232.so");
    EXPECT_EQ(driverFileName("tarvesta.zav.comm.emc2"), "tarvesta.zav.comm.emc2.so");
    EXPECT_EQ(driverFileName("tarvesta.zav.comm.sim.so"), "tarvesta.zav.comm.sim.so");
    EXPECT_EQ(driverFileName("TARVESTA.ZAV.COMM.SIM.DLL"), "TARVESTA.ZAV.COMM.SIM.so");
}

class BindingTest : public ::testing::Test {
protected:
    bool binds(SymbolTableLoader::Table table) {
        SymbolTableLoader loader;
        loader.add("hub.so", std::move(table));
        const auto library = loader.open("hub.so");
        return library && bindHub(*library).has_value();
    }
};

TEST_F(BindingTest, DriverWithoutTheTwoTapsIsAccepted) {
    auto table = test::scriptedHubSymbols();
    table.erase("Msg_In");
    table.erase("Msg_Out");
    table.erase("Hub_SetRemoteStart");
    EXPECT_TRUE(binds(table));
}

TEST_F(BindingTest, DriverMissingAnyRequiredExportIsRefused) {
    for (const char *name :
         {"Msg_Init", "Msg_Clear", "Msg_CheckState", "Msg_Push", "Msg_Popup", "Msg_Restore", "Msg_Send",
          "Msg_CmdData", "Msg_Cmd", "Msg_CmdFlag", "Msg_Status", "Msg_Ack", "Msg_SendBuzy", "Hub_OpenDevice",
          "Hub_IsConnected", "Hub_CloseDevice", "hMsg_Received"}) {
        auto table = test::scriptedHubSymbols();
        table.erase(name);
        EXPECT_FALSE(binds(table)) << "without " << name;
    }
}

TEST(LoadHubDriver, MissingLibraryAndIncompleteDriverAreReportedAndLeaveNoDriver) {
    auto loader = std::make_unique<SymbolTableLoader>();
    auto incomplete = test::scriptedHubSymbols();
    incomplete.erase("Msg_Ack");
    loader->add("tarvesta.zav.comm.half.so", incomplete);
    StationLink link(std::move(loader));
    test::RecordingMessages messages;
    link.setMessages(&messages);

    EXPECT_FALSE(link.channel().LoadHubDriverNamed("tarvesta.zav.comm.none.dll"));
    EXPECT_FALSE(link.channel().LoadHubDriverNamed("tarvesta.zav.comm.half.dll"));
    EXPECT_FALSE(link.channel().hasDriver());
    EXPECT_EQ(messages.shown(), (std::vector<std::string>{
                                    "ZAV_Hub: Failed to load tarvesta.zav.comm.none.so!",
                                    "ZAV_Hub: Couldn't find all ZAV_CommDrv entry points we needed.",
                                }));
}

TEST(LoadHubDriver, UnboundChannelNeverBlocks) {
    StationLink link(std::make_unique<SymbolTableLoader>());
    StationPacket packet{};
    EXPECT_TRUE(link.channel().SendPacket(packet));
    EXPECT_TRUE(link.channel().WaitSendIdle());
    EXPECT_FALSE(link.channel().PopPacket(packet));
    EXPECT_FALSE(link.channel().IsHubConnected());
    EXPECT_FALSE(link.channel().OpenHub());
}

TEST(SendPacket, OutHookCanSuppressAPacketThatThenCountsAsAccepted) {
    test::LinkFixture fixture;
    test::hubSuppressOut(true);
    EXPECT_TRUE(fixture.link->channel().SendCommand(kQueryModel));
    EXPECT_EQ(test::hubSentCount(), 0);
    test::hubSuppressOut(false);
    EXPECT_TRUE(fixture.link->channel().SendCommand(kQueryModel));
    StationPacket sent{};
    ASSERT_TRUE(test::hubSent(0, sent));
    EXPECT_EQ(sent.state, 1) << "set just before the hook";
    EXPECT_EQ(sent.reserved, 0);
    EXPECT_EQ(sent.length, 0);
}

TEST(SendPacket, ElevenDataBytesTravelWithTheirLength) {
    test::LinkFixture fixture;
    ASSERT_TRUE(fixture.link->operations().SendScanSetup(1100.0f, 190.0f, 1.0f, 1));
    StationPacket sent{};
    ASSERT_TRUE(test::hubSent(0, sent));
    EXPECT_EQ(sizeof sent, 68u);
    EXPECT_EQ(sent.code, kScanSetup);
    EXPECT_EQ(sent.length, 11);
}

TEST(SendUntilAccepted, RetriesUntilTheDriverAccepts) {
    test::LinkFixture fixture;
    test::hubRefuseSends(5);
    EXPECT_TRUE(fixture.link->commands().Escape());
    EXPECT_EQ(test::sentCommands(), (std::vector<test::SentCommand>{{kEscape, {}}}));
}

TEST(SendUntilAccepted, GivesUpAndTellsTheOperatorOncePerOutage) {
    test::LinkFixture fixture;
    fixture.link->status().linkOnline = 1;
    test::hubRefuseSends(-1);
    EXPECT_FALSE(fixture.link->commands().Escape());
    EXPECT_FALSE(fixture.link->commands().Unlink());
    EXPECT_EQ(fixture.link->status().linkOnline.load(), 0);
    EXPECT_TRUE(fixture.main.received(Notification::station(1, 2)));
    EXPECT_EQ(fixture.messages.shown(),
              (std::vector<std::string>{"ZAV_Hub: The instrument link does not accept commands."}));
    test::hubRefuseSends(0);
    EXPECT_TRUE(fixture.link->commands().Escape());
    test::hubRefuseSends(-1);
    EXPECT_FALSE(fixture.link->commands().Escape());
    EXPECT_EQ(fixture.messages.shown().size(), 2u) << "a new outage is reported again";
}

} // namespace
} // namespace spectavo::link
