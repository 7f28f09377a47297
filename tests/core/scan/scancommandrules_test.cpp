// The wavelength-scan window's command rules as a table: each column a window state, each row a
// command with Y where it is enabled.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/scan/scancommandrules.h"

namespace spectavo::scan {
namespace {

struct NamedState {
    const char *name;
    ScanWindowState state;
};

ScanWindowState idleWith(int spectra) {
    ScanWindowState s;
    s.instrumentReady = true;
    s.linkFree = true;
    s.installedCells = 1;
    s.spectrumCount = spectra;
    s.currentSaveable = spectra > 0;
    return s;
}

std::vector<NamedState> states() {
    ScanWindowState offline;
    ScanWindowState scanning = idleWith(1);
    scanning.instrumentReady = false;
    scanning.linkFree = false;
    scanning.servedByLink = true;
    scanning.currentSaveable = false;
    ScanWindowState cells = idleWith(2);
    cells.installedCells = 3;
    ScanWindowState warming = idleWith(2);
    warming.instrumentReady = false; // linked and idle, lamps not yet stable
    ScanWindowState otherWindowScans = idleWith(2);
    otherWindowScans.instrumentReady = false;
    otherWindowScans.linkFree = false;
    return {{"offline", offline}, {"empty", idleWith(0)},           {"one", idleWith(1)},
            {"two", idleWith(2)}, {"scanning", scanning},           {"three cells", cells},
            {"warming", warming}, {"other scans", otherWindowScans}};
}

struct Rule {
    ScanCommand command;
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

TEST(ScanCommandRules, EveryCommandInEveryWindowState) {
    const std::vector<NamedState> all = states();
    for (const Rule &rule : kRules) {
        ASSERT_EQ(std::string(rule.enabled).size(), all.size()) << rule.name;
        for (std::size_t i = 0; i < all.size(); ++i)
            EXPECT_EQ(scanCommandState(rule.command, all[i].state).enabled, rule.enabled[i] == 'Y')
                << rule.name << " when " << all[i].name;
    }
}

TEST(ScanCommandRules, CheckMarksFollowTheWindow) {
    ScanWindowState s = idleWith(1);
    s.absorbance = false;
    s.showPeaks = true;
    s.zoomMode = true;
    EXPECT_TRUE(scanCommandState(kTransmittanceMode, s).checked);
    EXPECT_FALSE(scanCommandState(kAbsorbanceMode, s).checked);
    EXPECT_TRUE(scanCommandState(kShowPeaks, s).checked);
    EXPECT_FALSE(scanCommandState(kShowValleys, s).checked);
    EXPECT_TRUE(scanCommandState(kMagnify, s).checked);
    EXPECT_FALSE(scanCommandState(kSearch, s).checked);
    EXPECT_FALSE(scanCommandState(kStart, s).checked);
    s.servedByLink = true;
    EXPECT_TRUE(scanCommandState(kStart, s).checked) << "Start is pressed while this window's scan runs";
    s.canUndoScales = true;
    EXPECT_TRUE(scanCommandState(kUndoScales, s).enabled);
}

} // namespace
} // namespace spectavo::scan
