#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "core/link/hubsetup.h"
#include "core/link/stationrules.h"
#include "support/linkfixture.h"
#include "support/tempdir.h"

namespace spectavo::link {
namespace {

TEST(SwitchPoint, LimitsAreInclusive) {
    const SwitchPointLimits limits;
    EXPECT_EQ(parseSwitchPoint("320.0nm", limits), 320.0f);
    EXPECT_EQ(parseSwitchPoint(" 360", limits), 360.0f);
    EXPECT_FALSE(parseSwitchPoint("319.9nm", limits));
    EXPECT_FALSE(parseSwitchPoint("nm", limits));
    EXPECT_EQ(formatSwitchPointField(340.0f), "340.0nm");
    EXPECT_EQ(formatSwitchPointField(5.0f), "  5.0nm");
}

TEST(SwitchPoint, LimitsComeFromTheReportedModelsFile) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/config");
    std::filesystem::create_directories(dir.path() + "/bin");
    test::writeBytes(dir.file("config/tarvesta.zav.station.UV9.ini"), "[Station]\nSwitchWL_Min=300\n");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    const SwitchPointLimits limits = readSwitchPointLimits("UV9");
    EXPECT_EQ(limits.minimum, 300.0f);
    EXPECT_EQ(limits.maximum, 360.0f);
}

TEST(Slit, UnreportedSlitDisablesTheEntriesAndChecksTwoNanometres) {
    EXPECT_FALSE(slitEntriesEnabled(1, 0, false));
    EXPECT_TRUE(slitEntriesEnabled(1, 2, false));
    EXPECT_FALSE(slitEntriesEnabled(0, 2, false));
    EXPECT_FALSE(slitEntriesEnabled(1, 2, true));
    EXPECT_TRUE(slitEntryChecked(3, 0));
    EXPECT_FALSE(slitEntryChecked(2, 0));
    EXPECT_TRUE(slitEntryChecked(1, 1));
}

TEST(AccessoryChange, PendingLongOperationAsksForARestartOtherwiseTheToolbarFollowsTheSipper) {
    StationStatus status;
    EXPECT_EQ(checkAccessoryChange(status), AccessoryReaction::None);
    status.longOperationPending = 1;
    EXPECT_EQ(checkAccessoryChange(status), AccessoryReaction::None)
        << "nothing changed: the operation stays pending";
    EXPECT_EQ(status.longOperationPending.load(), 1);
    status.accessoryChanged = 1;
    EXPECT_EQ(checkAccessoryChange(status), AccessoryReaction::AskForRestart);
    EXPECT_EQ(status.longOperationPending.load(), 0);
    status.accessoryChanged = 1;
    status.sipperPresent = 1;
    EXPECT_EQ(checkAccessoryChange(status), AccessoryReaction::ShowSipperToolbar);
    EXPECT_EQ(status.accessoryChanged.load(), 0);
}

TEST(HubSetup, ListsInstalledDriversAndPreselectsTheConfiguredOne) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    for (const char *name : {"tarvesta.zav.comm.sim.so", "tarvesta.zav.comm.rs232.so", "other.so"})
        test::writeBytes(dir.file(std::string("bin/") + name), "");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    SymbolTableLoader loader;
    HubSetupModel setup(loader);
    const auto drivers = setup.installedDrivers();
    EXPECT_EQ(drivers, (std::vector<std::string>{"tarvesta.zav.comm.rs232.so", "tarvesta.zav.comm.sim.so"}));
    EXPECT_EQ(HubSetupModel::preselectedIndex(drivers, HubSetupModel::configuredDriver()), 0);
    EXPECT_EQ(HubSetupModel::preselectedIndex(drivers, "tarvesta.zav.comm.sim.dll"), 1);
    EXPECT_EQ(HubSetupModel::preselectedIndex(drivers, "tarvesta.zav.comm.usb.dll"), -1);
}

TEST(HubSetup, ConfirmedChoiceIsTheDriverLoadedNext) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/config");
    std::filesystem::create_directories(dir.path() + "/bin");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    auto loader = std::make_unique<SymbolTableLoader>();
    loader->add("tarvesta.zav.comm.scripted.so", test::scriptedHubSymbols());
    SymbolTableLoader &table = *loader;
    HubSetupModel setup(table);
    EXPECT_EQ(setup.openDriver("tarvesta.zav.comm.scripted.so", nullptr, 0, 0, 10, 10),
              HubSetupModel::OpenResult::EntryPointsMissing)
        << "the scripted hub has no settings panel";
    EXPECT_EQ(setup.openDriver("missing.so", nullptr, 0, 0, 10, 10), HubSetupModel::OpenResult::LoadFailed);
    ASSERT_TRUE(setup.confirm("tarvesta.zav.comm.scripted.so"));

    StationLink link(std::move(loader));
    EXPECT_TRUE(link.channel().LoadHubDriver()) << "hub/driver and Hub/Driver are the same key";
}

TEST(TimedSamplingStall, LateTicksStoreOnePointPerElapsedPeriodAndCountTheMissing) {
    using namespace std::chrono_literals;
    test::LinkFixture fixture;
    test::TestTimedTarget curve(1000, 0.01f, 100002);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(fixture.link->operations().StartTimedSampling(10, &curve, &fixture.window));
    std::this_thread::sleep_for(25ms);
    {
        // Keeps the timer thread from storing, as a stalled machine would.
        const Acquisition::Held held = fixture.link->acquisition().hold();
        std::this_thread::sleep_for(60ms);
    }
    std::this_thread::sleep_for(25ms);
    const int points = curve.m_count.load();
    const double elapsedPeriods =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count() / 10.0;
    fixture.link->operations().StopMeasurement();
    EXPECT_GE(fixture.link->acquisition().missingPoints.load(), 3)
        << "a stalled period has no reading of its own";
    // Point i still belongs to time i x step: the count follows the clock, stall or not.
    EXPECT_NEAR(points, elapsedPeriods + 1, 2.5);
}

} // namespace
} // namespace spectavo::link
