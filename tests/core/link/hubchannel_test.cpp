// The channel on its own, without the link's records: what it hands to its owner.

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "core/link/commands.h"
#include "core/link/hubchannel.h"
#include "core/link/linkcodes.h"
#include "support/linkeddriver.h"
#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

class RecordingEvents : public ChannelEvents {
public:
    void packetReceived(const StationPacket &packet) override {
        std::lock_guard guard(m_mutex);
        m_packets.push_back(packet.code);
    }
    void sendingGaveUp(bool firstTime) override { m_gaveUp.push_back(firstTime); }
    void remoteStartRequested(int param) override { m_remoteStarts.push_back(param); }
    void channelMessage(const std::string &caption, const std::string &text) override {
        m_messages.push_back(caption + ": " + text);
    }

    std::vector<std::uint8_t> packets() const {
        std::lock_guard guard(m_mutex);
        return m_packets;
    }

    std::vector<bool> m_gaveUp;
    std::vector<int> m_remoteStarts;
    std::vector<std::string> m_messages;

private:
    mutable std::mutex m_mutex;
    std::vector<std::uint8_t> m_packets;
};

class HubChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::hubReset();
        timing.giveUpSending = std::chrono::milliseconds(50);
        const std::string path = test::scriptedHubPath();
        ASSERT_TRUE(channel.LoadHubDriverNamed(path));
        ASSERT_TRUE(channel.OpenHub());
    }

    LinkTiming timing;
    RecordingEvents events;
    HubChannel channel{std::make_unique<SharedLibraryLoader>(), events, timing};
};

TEST_F(HubChannelTest, EveryReceivedPacketReachesTheOwnerInOrder) {
    ASSERT_TRUE(channel.StartReceiver());
    test::hubPush(test::packet(kPacketLinkState, {kLinkUp}));
    test::hubPush(test::packet(kPacketAcknowledgement, {kQueryModel}));
    ASSERT_TRUE(test::eventually([&] { return events.packets().size() == 2; }));
    channel.StopReceiver();
    EXPECT_EQ(events.packets(), (std::vector<std::uint8_t>{kPacketLinkState, kPacketAcknowledgement}));
    EXPECT_FALSE(channel.receiverRunning());
}

// The operator hears of a refusing instrument once, not at every command, until a command goes out
// again.
TEST_F(HubChannelTest, AGiveUpIsFirstOnlyUntilACommandIsAcceptedAgain) {
    test::hubRefuseSends(-1);
    EXPECT_FALSE(channel.SendUntilAccepted(kQueryStatus));
    EXPECT_FALSE(channel.SendUntilAccepted(kQueryStatus));
    test::hubRefuseSends(0);
    EXPECT_TRUE(channel.SendUntilAccepted(kQueryStatus));
    test::hubRefuseSends(-1);
    EXPECT_FALSE(channel.SendUntilAccepted(kQueryStatus));
    EXPECT_EQ(events.m_gaveUp, (std::vector<bool>{true, false, true}));
}

TEST_F(HubChannelTest, TheDriversRemoteStartReachesTheOwnerUntilTheDriverIsReleased) {
    test::hubRequestRemoteStart(3);
    channel.ReleaseHubDriver();
    test::hubRequestRemoteStart(4);
    EXPECT_EQ(events.m_remoteStarts, (std::vector<int>{3}));
}

} // namespace
} // namespace spectavo::link
