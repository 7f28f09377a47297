// The rs232 driver against photrak-sim as a second process, on a pseudo-terminal.

#include <dlfcn.h>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/linkeddriver.h"
#include "support/simprocess.h"
#include "support/tempdir.h"

namespace spectavo::link {
namespace {

using namespace std::chrono_literals;

const std::string kDriver = SPECTAVO_BIN_DIR "/tarvesta.zav.comm.rs232.so";
const std::string kSimulator = SPECTAVO_BIN_DIR "/photrak-sim";

class Rs232Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(simulator.device().empty()) << "photrak-sim did not start";
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
        test::writeBytes(dir.file("config/tarvesta.zav.comm.rs232.ini"),
                         "[Port]\nDevice=" + simulator.device() + "\nBaud=115200\n");
        ASSERT_TRUE(driver.connect(kDriver));
    }
    template <typename Condition>
    bool waitFor(Condition condition, std::chrono::milliseconds limit = 15s) {
        return test::eventually(condition, limit);
    }
    unsigned long badFrames() {
        void *library = dlopen(kDriver.c_str(), RTLD_NOW | RTLD_NOLOAD);
        auto count = reinterpret_cast<unsigned long (*)()>(dlsym(library, "Rs232_BadFrames"));
        const unsigned long frames = count ? count() : 0;
        dlclose(library);
        return frames;
    }

    test::SimulatorProcess simulator{kSimulator, {"--speed", "10", "--no-boot", "--garbage", "0.5"}};
    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::LinkedDriver driver;
    StationLink &link = driver.link;
    test::RecordingTarget &main = driver.main;
};

TEST_F(Rs232Test, HandshakeAndScanSurviveGarbageOnTheLine) {
    EXPECT_EQ(link.status().modelName.get(), "UV-1900");
    ASSERT_TRUE(link.operations().SendScanSetup(700.0f, 690.0f, 0.5f, 1));
    test::TestScanTarget spectrum(21, 700.0f, 0.5f);
    test::RecordingTarget window;
    ASSERT_TRUE(link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &window));
    ASSERT_TRUE(waitFor([&] { return window.received(Notification::acquisition(1, 0)); }));
    link.operations().CloseAcquisition();
    for (float point : spectrum.m_points)
        EXPECT_NEAR(point, 0.0f, 0.01f) << "the blank cell";

    ASSERT_TRUE(waitFor([&] { return badFrames() >= 2; })) << "garbage is dropped as bad frames";
    window.clear();
    ASSERT_TRUE(link.operations().GotoWavelength(500.0f, &window));
    EXPECT_TRUE(waitFor([&] { return window.received(Notification::acquisition(255, kGotoWavelength)); }))
        << "the link goes on after the garbage";
}

TEST_F(Rs232Test, KilledSimulatorTakesTheLinkOfflineWithoutHanging) {
    simulator.kill();
    EXPECT_TRUE(waitFor([&] { return link.status().linkOnline.load() == 0; }, 5s));
    EXPECT_FALSE(link.channel().IsHubConnected());
    const auto started = std::chrono::steady_clock::now();
    link.channel().StopReceiver();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

} // namespace
} // namespace spectavo::link
