// The link against the virtual instrument, loaded as the real sim driver through the real loader.

#include <cmath>
#include <dlfcn.h>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/dataproc/marks.h"
#include "core/link/bytes.h"
#include "sim/samples.h"
#include "support/linkeddriver.h"
#include "support/tempdir.h"

namespace spectavo::link {
namespace {

using namespace std::chrono_literals;

const std::string kDriver = SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so";

// A program directory whose settings make the instrument fast: no boot pauses, ten times real time.
struct FastInstrument {
    FastInstrument() {
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"), "[Simulation]\nSpeed=10\nBoot=0\nSeed=3\n");
    }
    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
};

class SimDriverTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driver.connect(kDriver)); }
    template <typename Condition>
    bool waitFor(Condition condition) {
        return test::eventually(condition);
    }
    bool waitForNotification(test::RecordingTarget &target, const Notification &wanted) {
        return waitFor([&] { return target.received(wanted); });
    }
    void selectCell(int cell) {
        test::RecordingTarget holder;
        ASSERT_TRUE(link.operations().OpenAcquisition(&holder, kModeNone));
        link.operations().RequestCell(static_cast<std::uint8_t>(cell));
        ASSERT_TRUE(waitForNotification(holder, Notification::acquisition(3, 0)));
        link.operations().CloseAcquisition();
    }

    FastInstrument instrument;
    test::LinkedDriver driver;
    StationLink &link = driver.link;
    test::RecordingTarget &main = driver.main;
};

TEST_F(SimDriverTest, HandshakeReportsTheVirtualInstrument) {
    EXPECT_TRUE(waitFor([&] { return link.status().powerStatus.load() == 1; }));
    EXPECT_EQ(link.status().modelName.get(), "UV-1900");
    EXPECT_EQ(link.config().beamType.load(), 2);
    EXPECT_EQ(link.status().cellCount.load(), 8);
    EXPECT_TRUE(main.received(Notification::station(1, 0)));
}

TEST_F(SimDriverTest, HolmiumScanFindsItsBandsWithinHalfANanometre) {
    selectCell(1);
    ASSERT_TRUE(link.operations().SendScanSetup(700.0f, 400.0f, 0.5f, 1));
    test::TestScanTarget spectrum(601, 700.0f, 0.5f);
    test::RecordingTarget window;
    ASSERT_TRUE(link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &window));
    ASSERT_TRUE(waitForNotification(window, Notification::acquisition(1, 0)));
    link.operations().CloseAcquisition();

    std::vector<std::int32_t> marks(spectrum.m_points.size());
    dataproc::computeMarks(spectrum.m_points, 0.1f, marks);
    std::vector<double> peaks;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i] == dataproc::kSignificantPeak)
            peaks.push_back(400.0 + 0.5 * static_cast<double>(i));
    for (double band : {416.3, 450.8, 536.4, 640.5}) {
        const bool found =
            std::any_of(peaks.begin(), peaks.end(), [band](double p) { return std::fabs(p - band) <= 0.5; });
        EXPECT_TRUE(found) << "no peak near " << band;
    }
}

// A line that repeats packets: every scan point still lands at its own wavelength, once counted, and
// holmium's bands stay where they are.
TEST(SimDriverFaults, RepeatedPacketsNeitherShiftNorAddScanPoints) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/config");
    test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"),
                     "[Simulation]\nSpeed=10\nBoot=0\nSeed=3\n[Faults]\nDuplicate=0.05\n");
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::LinkedDriver driver;
    ASSERT_TRUE(driver.connect(kDriver));
    StationLink &link = driver.link;
    test::RecordingTarget holder;
    ASSERT_TRUE(link.operations().OpenAcquisition(&holder, kModeNone));
    link.operations().RequestCell(1);
    ASSERT_TRUE(test::eventually([&] { return holder.received(Notification::acquisition(3, 0)); }));
    link.operations().CloseAcquisition();

    ASSERT_TRUE(link.operations().SendScanSetup(700.0f, 400.0f, 0.5f, 1));
    test::TestScanTarget spectrum(601, 700.0f, 0.5f);
    test::RecordingTarget window;
    ASSERT_TRUE(link.operations().StartScan(kScanAbsorbance, &spectrum, nullptr, &window));
    ASSERT_TRUE(test::eventually([&] { return window.received(Notification::acquisition(1, 0)); }));
    link.operations().CloseAcquisition();
    EXPECT_EQ(spectrum.m_arrived.load(), 601);
    EXPECT_GT(window.count(NotifyKind::Acquisition, 0), 601) << "some points did come twice";
    std::vector<std::int32_t> marks(spectrum.m_points.size());
    dataproc::computeMarks(spectrum.m_points, 0.1f, marks);
    for (double band : {450.8, 536.4}) {
        bool found = false;
        for (std::size_t i = 0; i < marks.size(); ++i)
            found = found || (marks[i] == dataproc::kSignificantPeak &&
                              std::fabs(400.0 + 0.5 * static_cast<double>(i) - band) <= 0.5);
        EXPECT_TRUE(found) << "no peak near " << band;
    }
}

TEST_F(SimDriverTest, BlankGotoAndReadAgreeWithTheModel) {
    test::RecordingTarget window;
    ASSERT_TRUE(link.operations().TakeBlank(&window));
    ASSERT_TRUE(waitForNotification(main, Notification::station(32, 0)));
    EXPECT_NEAR(link.acquisition().blankAbsorbance.load(), 0.0f, 0.005f)
        << "cell 1 holds the blank; beam type " << int(link.config().beamType.load())
        << ", last sample signal " << main.count(NotifyKind::Station, 34) << " readings";

    selectCell(3); // dichromate, 40 mg/L
    std::atomic<float> blank{0.0f}, result{-1.0f};
    ASSERT_TRUE(link.operations().GotoAndRead(kModeGotoAndRead, 350.0f, &blank, &result, &window));
    ASSERT_TRUE(waitForNotification(window, Notification::acquisition(0, 0)));
    link.operations().CloseAcquisition();
    const double model = sim::namedSample("dichromate40").absorbance(350.0, 2.0, 0.0);
    EXPECT_NEAR(result.load(), model, 0.005);
    EXPECT_EQ(link.status().currentWavelengthTenths.load(), 3500);
}

TEST_F(SimDriverTest, EveryFileTypeDownloadsAndOlderLayoutsArriveConverted) {
    test::RecordingTarget window;
    ASSERT_TRUE(link.operations().OpenCommandAcquisition(kFileDirectory, &window));
    ASSERT_TRUE(waitForNotification(window, Notification::station(255, 0)));
    link.operations().CloseAcquisition();
    for (int type = 0; type < FileTransfer::kFileTypeCount; ++type)
        EXPECT_FALSE(link.fileTransfer().entriesOfType(type).empty()) << FileTransfer::fileTypeName(type);

    for (const DirectoryEntry &entry : std::vector<DirectoryEntry>(link.fileTransfer().directory())) {
        window.clear();
        ASSERT_TRUE(
            link.operations().OpenWordAcquisition(kFileOpen, entry.handle[0], entry.handle[1], &window));
        ASSERT_TRUE(waitForNotification(window, Notification::station(255, 0))) << entry.name;
        link.operations().CloseAcquisition();
        const FileTransfer &transfer = link.fileTransfer();
        EXPECT_FALSE(transfer.conversionRefused()) << entry.name;
        EXPECT_GT(transfer.contentBytes(), 13u) << entry.name;
        if (entry.name == "OLDHO.wav") {
            EXPECT_EQ(std::string(reinterpret_cast<const char *>(transfer.content().data())), "OLDHO");
            EXPECT_EQ(transfer.content()[13], 0xE1);
            EXPECT_EQ(readU16(transfer.content(), 39), 301);
        }
        if (entry.name == "OLDCAL.qua") {
            EXPECT_EQ(transfer.content()[13], 0xE1);
            EXPECT_EQ(std::string(reinterpret_cast<const char *>(transfer.content().data() + 38)), "mg/L");
        }
    }
}

TEST_F(SimDriverTest, LostLineTakesTheLinkOfflineWithoutHanging) {
    void *library = dlopen(kDriver.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    auto disconnect = reinterpret_cast<void (*)()>(dlsym(library, "SimHub_Disconnect"));
    ASSERT_NE(disconnect, nullptr);
    disconnect();
    dlclose(library);
    EXPECT_TRUE(waitFor([&] { return link.status().linkOnline.load() == 0; }));
    EXPECT_FALSE(link.channel().IsHubConnected());
    EXPECT_TRUE(main.received(Notification::station(1, 2)));
}

} // namespace
} // namespace spectavo::link
