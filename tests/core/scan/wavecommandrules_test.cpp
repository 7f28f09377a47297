// The wavelength-scan window's command rules as a table: each column a window state, each row a
// command with Y where it is enabled.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/scan/wavecommandrules.h"

namespace spectavo::scan {
namespace {

struct NamedState {
    const char *name;
    WaveWindowState state;
};

WaveWindowState idleWith(int spectra) {
    WaveWindowState s;
    s.instrumentReady = true;
    s.linkFree = true;
    s.installedCells = 1;
    s.spectrumCount = spectra;
    s.currentSaveable = spectra > 0;
    return s;
}

std::vector<NamedState> states() {
    WaveWindowState offline;
    WaveWindowState scanning = idleWith(1);
    scanning.instrumentReady = false;
    scanning.linkFree = false;
    scanning.servedByLink = true;
    scanning.currentSaveable = false;
    WaveWindowState cells = idleWith(2);
    cells.installedCells = 3;
    WaveWindowState warming = idleWith(2);
    warming.instrumentReady = false; // linked and idle, lamps not yet stable
    WaveWindowState otherWindowScans = idleWith(2);
    otherWindowScans.instrumentReady = false;
    otherWindowScans.linkFree = false;
    return {{"offline", offline}, {"empty", idleWith(0)},           {"one", idleWith(1)},
            {"two", idleWith(2)}, {"scanning", scanning},           {"three cells", cells},
            {"warming", warming}, {"other scans", otherWindowScans}};
}

struct Rule {
    WaveCommand command;
    const char *name;
    const char *enabled; // per state of states(), in order
};

// clang-format off
const Rule kRules[] = {
    //                                                  off emp one two scn cel wrm oth
    {kStart,            "Start",            "nYYYnYnn"},
    {kEnergy,           "Energy",           "nYYYnYnn"},
    {kSlitWidth,        "Slit width",       "nYYYnYnn"},
    {kAutorun,          "Autorun",          "nnnnnYnn"},
    {kBaseline,         "Baseline",         "nYYYnYYn"},
    {kZeroCalibration,  "Zero",             "nYYYnYYn"},
    {kOpen,             "Open",             "YYYYnYYY"},
    {kLoad,             "Load",             "YYYYnYYY"},
    {kSave,             "Save",             "nnYYnYYY"},
    {kExport,           "Export",           "nnYYnYYY"},
    {kExportJcamp,      "JCAMP-DX",         "nnYYnYYY"},
    {kRemove,           "Remove",           "nnYYnYYY"},
    {kSmooth,           "Smooth",           "nnYYnYYY"},
    {kCopy,             "Copy",             "nnYYYYYY"},
    {kPrint,            "Print",            "nnYYnYYY"},
    {kExportPdf,        "PDF",              "nnYYnYYY"},
    {kAdd,              "Add",              "nnnYnYYY"},
    {kDivide,           "Divide",           "nnnYnYYY"},
    {kUndoScales,       "Undo scales",      "nnnnnnnn"},
    {kSetup,            "Setup",            "YYYYYYYY"},
    {kThreshold,        "Peak height",      "YYYYYYYY"},
};
// clang-format on

TEST(WaveCommandRules, EveryCommandInEveryWindowState) {
    const std::vector<NamedState> all = states();
    for (const Rule &rule : kRules) {
        ASSERT_EQ(std::string(rule.enabled).size(), all.size()) << rule.name;
        for (std::size_t i = 0; i < all.size(); ++i)
            EXPECT_EQ(waveCommandState(rule.command, all[i].state).enabled, rule.enabled[i] == 'Y')
                << rule.name << " when " << all[i].name;
    }
}

TEST(WaveCommandRules, CheckMarksFollowTheWindow) {
    WaveWindowState s = idleWith(1);
    s.absorbance = false;
    s.showPeaks = true;
    s.zoomMode = true;
    EXPECT_TRUE(waveCommandState(kTransmittanceMode, s).checked);
    EXPECT_FALSE(waveCommandState(kAbsorbanceMode, s).checked);
    EXPECT_TRUE(waveCommandState(kShowPeaks, s).checked);
    EXPECT_FALSE(waveCommandState(kShowValleys, s).checked);
    EXPECT_TRUE(waveCommandState(kMagnify, s).checked);
    EXPECT_FALSE(waveCommandState(kSearch, s).checked);
    EXPECT_FALSE(waveCommandState(kStart, s).checked);
    s.servedByLink = true;
    EXPECT_TRUE(waveCommandState(kStart, s).checked) << "Start is pressed while this window's scan runs";
    s.canUndoScales = true;
    EXPECT_TRUE(waveCommandState(kUndoScales, s).enabled);
}

} // namespace
} // namespace spectavo::scan
