#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/shell/commandids.h"
#include "core/shell/mainframemodel.h"
#include "support/linkfixture.h"

namespace spectavo::shell {
namespace {

// One station situation as the operator meets it; every enabling rule is checked against each.
struct StationState {
    const char *name;
    int linked = 1;
    int ready = 1;
    int lampStable = 1;
    int autorun = 0;
    bool busy = false; // an acquisition (a wavelength move) is running
    int slit = 1;      // 0: the model has no slit menu
    int sipperReported = 0;
    int sipperConnected = 0;
    int cells = 0;
    int wEnergy = 0;
    int d2Energy = 0;
};

const StationState kOffline{.name = "offline", .linked = 0, .ready = 0};
const StationState kBooting{.name = "linked, not ready", .ready = 0};
const StationState kReady{.name = "ready"};
const StationState kWarmingUp{.name = "D2 warming up", .lampStable = 0};
const StationState kBusy{.name = "busy", .busy = true};
const StationState kAutorun{.name = "autorun", .autorun = 1};
const StationState kNoSlit{.name = "no slit menu", .slit = 0};
const StationState kSipper{.name = "sipper", .sipperReported = 1, .sipperConnected = 1, .cells = 4};
const StationState kSipperNotConnected{.name = "sipper not connected", .sipperReported = 1};
const StationState kOfflineLampFault{
    .name = "offline, lamp faults", .linked = 0, .ready = 0, .wEnergy = -1, .d2Energy = -1};

// Expected enabled state per command for the states, in this order.
const std::vector<StationState> kStates{kOffline, kBooting, kReady,  kWarmingUp,          kBusy,
                                        kAutorun, kNoSlit,  kSipper, kSipperNotConnected, kOfflineLampFault};

struct Rule {
    int command;
    const char *name;
    std::string enabled; // one letter per state: Y enabled, n disabled
};

// clang-format off
const std::vector<Rule> kRules{
    //                                               off boot rdy warm busy auto noslit sip sipNC fault
    {kCmdLink,               "Link",                 "YYYYnYYYYY"},
    {kCmdReset,              "Reset",                "nnnnnnnnnn"},
    {kCmdPause,              "Pause",                "nnnnnnnnnn"},
    {kCmdInternalKeypad,     "Internal keypad",      "nnnnnnnnnn"},
    {kCmdDarkCurrent,        "Dark current",         "nnYnnnYYYn"},
    {kCmdAmplifier,          "Amplifier",            "nnYnnnYYYn"},
    {kCmdLocate656,          "Locate 656",           "nnYnnnYYYn"},
    {kCmdCalibrateBaseline,  "Calibrate baseline",   "nnYnnnYYYn"},
    {kCmdSlit05,             "Slit 0.5",             "nYYYYnnYYn"},
    {kCmdSlit40,             "Slit 4.0",             "nYYYYnnYYn"},
    {kCmdWLamp,              "W lamp",               "nYYYnYYYYY"},
    {kCmdD2Lamp,             "D2 lamp",              "nYYnnYYYYY"},
    {kCmdSwitchPoint,        "Switch point",         "nYYYnYYYYn"},
    {kCmdGoto,               "Goto",                 "nYYYnYYYYn"},
    {kCmdMulticells,         "Multicells",           "nnnnnnnYnn"},
    {kCmdCell1,              "Cell 1",               "nnnnnnnYnn"},
    {kCmdCell1 + 1,          "Cell 2 not selected",  "nnnnnnnYnn"},
    {kCmdCell1 + 3,          "Cell 4",               "nnnnnnnYnn"},
    {kCmdCell1 + 4,          "Cell 5",               "nnnnnnnnnn"},
    {kCmdSipperConnected,    "Sipper connected",     "nnnnnnnYYn"},
    {kCmdSipperSetup,        "Sipper setup",         "nnnnnnnYnn"},
    {kCmdEnableSipper,       "Enable sipper",        "nnnnnnnYnn"},
    {kCmdSippingTime,        "Sipping time",         "nnnnnnnYnn"},
    {kCmdSippingInterval,    "Sipping interval",     "nnnnnnnYnn"},
    {kCmdDisableSipper,      "Disable sipper",       "nnnnnnnYnn"},
    {kCmdFlushSipper,        "Flush sipper",         "nnnnnnnYnn"},
    {kCmdHubSetup,           "Hub setup",            "YYYYYYYYYY"},
    {kCmdChangePassword,     "Change password",      "YYYYYYYYYY"},
    {kCmdStatusWindow,       "Status window",        "YYYYYYYYYY"},
    {kCmdAbsorbance,         "Absorbance",           "YYYYYYYYYY"},
    {kCmdAddPrinter,         "Add printer",          "YYYYYYYYYY"},
};
// clang-format on

// Puts a fresh link and model into one state, so no state leaks into the next.
struct StateUnderTest {
    test::LinkFixture fixture;
    MainFrameModel model{*fixture.link};
    test::RecordingTarget window;

    explicit StateUnderTest(const StationState &s) {
        link::StationStatus &status = fixture.link->status();
        status.linkOnline = s.linked;
        status.stationReady = s.ready;
        status.slitSetting = static_cast<std::uint8_t>(s.slit);
        status.sipperStatus = s.sipperReported;
        status.cellCount = s.cells;
        status.wEnergyStatus = s.wEnergy;
        status.d2EnergyStatus = s.d2Energy;
        model.flags().lampStable = s.lampStable;
        model.flags().autorunActive = s.autorun;
        model.accessories().sipperConnected = s.sipperConnected;
        // Every cell is installed but the second: its entry stays disabled whatever the station says.
        CellSelection selection;
        selection.cellInstalled = {1, 0, 1, 1, 1, 1, 1, 1};
        model.accessories().chooseCells(selection);
        if (s.busy)
            fixture.link->operations().GotoWavelength(500.0f, &window);
    }
};

TEST(EnablingRules, EveryCommandInEveryStationState) {
    for (std::size_t i = 0; i < kStates.size(); ++i) {
        StateUnderTest state(kStates[i]);
        for (const Rule &rule : kRules) {
            ASSERT_EQ(rule.enabled.size(), kStates.size()) << rule.name;
            EXPECT_EQ(state.model.enabled(rule.command, true), rule.enabled[i] == 'Y')
                << rule.name << " when " << kStates[i].name;
        }
    }
}

TEST(EnablingRules, EscapeAndInstrumentFilesNeedAnOpenWindow) {
    StateUnderTest ready(kReady);
    EXPECT_TRUE(ready.model.enabled(kCmdEscape, true));
    EXPECT_FALSE(ready.model.enabled(kCmdEscape, false));
    EXPECT_TRUE(ready.model.enabled(kCmdOpenInstrumentFile, true));
    EXPECT_FALSE(ready.model.enabled(kCmdOpenInstrumentFile, false));
    StateUnderTest busy(kBusy);
    EXPECT_FALSE(busy.model.enabled(kCmdOpenInstrumentFile, true));
}

TEST(EnablingRules, StopOnlyWhileAScanRunsOrAnAutorun) {
    StateUnderTest busy(kBusy);
    EXPECT_FALSE(busy.model.enabled(kCmdStop, true)) << "a wavelength move is not stoppable";
    StateUnderTest autorun(kAutorun);
    EXPECT_TRUE(autorun.model.enabled(kCmdStop, true));
}

TEST(EnablingRules, CheckMarksFollowTheStation) {
    StateUnderTest state(kSipper);
    link::StationStatus &status = state.fixture.link->status();
    status.currentCell = 2;
    status.slitSetting = 3;
    status.wLampOn = 1;
    status.d2LampOn = 0;
    MainFrameModel &m = state.model;
    EXPECT_TRUE(m.checked(kCmdLink));
    EXPECT_TRUE(m.checked(kCmdWLamp));
    EXPECT_FALSE(m.checked(kCmdD2Lamp));
    EXPECT_TRUE(m.checked(kCmdCell1 + 2));
    EXPECT_FALSE(m.checked(kCmdCell1));
    EXPECT_TRUE(m.checked(kCmdSipperConnected));
    EXPECT_TRUE(m.checked(kCmdAbsorbance));
    EXPECT_FALSE(m.checked(kCmdTransmittance));
    int slitChecks = 0;
    for (int id : {kCmdSlit05, kCmdSlit10, kCmdSlit20, kCmdSlit40})
        slitChecks += m.checked(id) ? 1 : 0;
    EXPECT_EQ(slitChecks, 1) << "exactly one slit width carries the mark";
    status.linkOnline = 0;
    EXPECT_FALSE(m.checked(kCmdLink));
}

} // namespace
} // namespace spectavo::shell
