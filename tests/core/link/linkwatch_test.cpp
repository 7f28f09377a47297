// The give-up rule of everyone who waits on the instrument, on a virtual clock.

#include <gtest/gtest.h>

#include "core/link/linkwatch.h"
#include "support/linkfixture.h"

namespace spectavo::link {
namespace {

using namespace std::chrono_literals;
using State = LinkWatch::State;

class LinkWatchTest : public ::testing::Test {
protected:
    void packetArrives() { fixture.link->status().packetsReceived.fetch_add(1); }

    test::LinkFixture fixture;
    LinkWatch::Clock::time_point t0{};
};

TEST_F(LinkWatchTest, AnInstrumentThatKeepsTalkingIsAliveForAsLongAsItTalks) {
    LinkWatch watch(*fixture.link, t0);
    for (int second = 1; second <= 60; ++second) {
        packetArrives();
        ASSERT_EQ(watch.check(t0 + std::chrono::seconds(second)), State::Alive) << second;
    }
}

TEST_F(LinkWatchTest, FiveSecondsWithoutAPacketIsSilence) {
    LinkWatch watch(*fixture.link, t0);
    packetArrives();
    EXPECT_EQ(watch.check(t0 + 2s), State::Alive);
    // The last packet was seen at 2 s: silence from 7 s on, not a tick earlier.
    EXPECT_EQ(watch.check(t0 + 6999ms), State::Alive);
    EXPECT_EQ(watch.check(t0 + 7s), State::Silent);
    packetArrives();
    EXPECT_EQ(watch.check(t0 + 8s), State::Alive) << "a packet after the silence counts again";
}

TEST_F(LinkWatchTest, AnInstrumentThatNeverSpeaksIsSilentFiveSecondsAfterTheWaitBegan) {
    LinkWatch watch(*fixture.link, t0 + 10s);
    EXPECT_EQ(watch.check(t0 + 14s), State::Alive);
    EXPECT_EQ(watch.check(t0 + 15s), State::Silent);
}

TEST_F(LinkWatchTest, ALinkLostAfterItCameUpEndsTheWaitAtOnce) {
    LinkWatch watch(*fixture.link, t0);
    EXPECT_EQ(watch.check(t0), State::Alive) << "not yet linked is no loss";
    fixture.link->status().linkOnline.store(1);
    packetArrives();
    EXPECT_EQ(watch.check(t0 + 1s), State::Alive);
    fixture.link->decodePacket(test::packet(kPacketLinkLost, {}));
    EXPECT_EQ(watch.check(t0 + 1s), State::Offline);
}

TEST_F(LinkWatchTest, ADeviceThatWentAwayEndsTheWaitAtOnce) {
    LinkWatch watch(*fixture.link, t0);
    packetArrives();
    EXPECT_EQ(watch.check(t0), State::Alive);
    test::hubUnplug();
    EXPECT_EQ(watch.check(t0), State::DeviceGone);
}

} // namespace
} // namespace spectavo::link
