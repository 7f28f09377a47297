// The link against the scripted hub loaded as a real shared library, with the real receive thread.

#include <dlfcn.h>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "core/link/bytes.h"
#include "core/link/stationlink.h"
#include "support/linkfixture.h"
#include "support/tempdir.h"

namespace spectavo::link {
namespace {

using namespace std::chrono_literals;

// The test's handle on the driver's script controls, from the library the link loaded.
struct Script {
    Script() {
        handle = dlopen(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.scripted.so", RTLD_NOW | RTLD_NOLOAD);
        if (!handle)
            return;
        reset = reinterpret_cast<void (*)()>(dlsym(handle, "Script_Reset"));
        push = reinterpret_cast<void (*)(const StationPacket *)>(dlsym(handle, "Script_Push"));
        sentCount = reinterpret_cast<int (*)()>(dlsym(handle, "Script_SentCount"));
        sent = reinterpret_cast<int (*)(int, StationPacket *)>(dlsym(handle, "Script_Sent"));
        inCount = reinterpret_cast<int (*)()>(dlsym(handle, "Script_InCount"));
        remoteStart = reinterpret_cast<void (*)(int)>(dlsym(handle, "Script_RequestRemoteStart"));
    }
    ~Script() {
        if (handle)
            dlclose(handle);
    }
    std::vector<std::uint8_t> sentCodes() const {
        std::vector<std::uint8_t> codes;
        for (int i = 0; i < sentCount(); ++i) {
            StationPacket p{};
            sent(i, &p);
            codes.push_back(p.code);
        }
        return codes;
    }
    void *handle = nullptr;
    void (*reset)() = nullptr;
    void (*push)(const StationPacket *) = nullptr;
    int (*sentCount)() = nullptr;
    int (*sent)(int, StationPacket *) = nullptr;
    int (*inCount)() = nullptr;
    void (*remoteStart)(int) = nullptr;
};

template <typename Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 3000; ++i) {
        if (condition())
            return true;
        std::this_thread::sleep_for(1ms);
    }
    return condition();
}

class DriverLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkTiming timing;
        timing.handshakePause = 1ms;
        link.setTiming(timing);
        link.setMainTarget(&main);
        ASSERT_TRUE(link.channel().LoadHubDriverNamed("tarvesta.zav.comm.scripted.dll"));
        scriptControls.emplace();
        ASSERT_NE(script().handle, nullptr);
        script().reset();
        ASSERT_TRUE(link.channel().OpenHub());
        ASSERT_TRUE(link.channel().StartReceiver());
    }
    void TearDown() override {
        link.channel().StopReceiver();
        link.setMainTarget(nullptr);
    }

    test::ScopedEnv programDir{"SPECTAVO_PROGRAM_DIR", SPECTAVO_BIN_DIR};
    StationLink link;
    test::RecordingTarget main;
    std::optional<Script> scriptControls;
    Script &script() { return *scriptControls; }
};

TEST_F(DriverLinkTest, HandshakeRunsOnTheReceiveThread) {
    link.setScanSetupProvider([] { return scanSetupMessage(1100.0f, 190.0f, 0.1f, 1); });
    ASSERT_TRUE(link.commands().LinkRequest());
    const StationPacket linked = test::packet(0, {1});
    script().push(&linked);
    ASSERT_TRUE(
        eventually([&] { return link.status().linkOnline.load() == 1 && script().sentCount() == 7; }));
    EXPECT_EQ(script().sentCodes(),
              (std::vector<std::uint8_t>{kLinkRequest, kQueryModel, kQueryVersion, kQueryHardware,
                                         kQuerySerial, kQueryStatus, kScanSetup}));
    EXPECT_TRUE(main.received(Notification::station(1, 0)));
    EXPECT_EQ(script().inCount(), 1) << "the receive tap sees every packet";
}

TEST_F(DriverLinkTest, NotificationsArriveInOrderAndNoneIsLost) {
    constexpr int kPackets = 2000;
    for (int i = 0; i < kPackets; ++i) {
        const StationPacket load = test::packet(3, {0, 0, 0, 0, static_cast<std::uint8_t>(i % 100)});
        script().push(&load);
    }
    ASSERT_TRUE(eventually([&] { return main.count(NotifyKind::Station, 3) == kPackets; }));
    const auto posted = main.posted();
    for (int i = 0; i < kPackets; ++i)
        ASSERT_EQ(posted[static_cast<std::size_t>(i)], Notification::station(3, i % 100)) << i;
}

TEST_F(DriverLinkTest, RemoteStartRequestReachesItsTarget) {
    test::RecordingTarget view;
    link.setRemoteStartTarget(&view);
    script().remoteStart(1);
    link.setRemoteStartTarget(nullptr);
    script().remoteStart(0);
    EXPECT_EQ(view.posted(), (std::vector<Notification>{Notification{NotifyKind::RemoteStart, 1, 0}}));
}

// Windows come and go while readings stream in: once a window has unregistered (or closed its
// acquisition), the link must never touch it again. Run under AddressSanitizer this catches a post
// to a destroyed target.
TEST_F(DriverLinkTest, TargetsMayDieRightAfterUnregistering) {
    std::atomic<bool> streaming{true};
    std::thread instrument([&] {
        const auto record = test::readingRecord(5000, 1000, 0, 500.0f, 0.0f);
        const StationPacket reading = test::packet(34, record);
        const StationPacket cell = test::packet(21, {0});
        while (streaming.load()) {
            script().push(&reading);
            script().push(&cell);
            std::this_thread::yield();
        }
    });
    for (int i = 0; i < 300; ++i) {
        auto window = std::make_unique<test::RecordingTarget>();
        auto frame = std::make_unique<test::RecordingTarget>();
        link.setMainTarget(frame.get());
        link.operations().OpenAcquisition(window.get(), kModeCellReading);
        link.operations().ArmAcquisition();
        std::this_thread::sleep_for(std::chrono::microseconds(50 * (i % 5)));
        link.operations().CloseAcquisition();
        link.setMainTarget(nullptr);
        window.reset();
        frame.reset();
    }
    streaming = false;
    instrument.join();
}

TEST_F(DriverLinkTest, StopAndRestartTheReceiver) {
    link.channel().StopReceiver();
    EXPECT_FALSE(link.channel().receiverRunning());
    ASSERT_TRUE(link.channel().StartReceiver());
    const StationPacket model = test::packet(7, {'U', 'V', '9'});
    script().push(&model);
    EXPECT_TRUE(eventually([&] { return link.status().modelName.get() == "UV9"; }));
}

} // namespace
} // namespace spectavo::link
