#include <filesystem>

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/scan/wave/scansettings.h"
#include "core/strings/cformat.h"
#include "support/linkfixture.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

TEST(ScanSettings, WithoutAnyFileTheParameterMessageIsTheDefault) {
    test::TempDir dir;
    const ProfileFile none(dir.file("missing.ini"), false);
    scan::ScanSettings settings;
    settings.load(none);
    const float step = scan::ScanSettings::stepNm(none, settings.stepIndex);
    const int filter = scan::ScanSettings::filterCode(none, settings.filterIndex);
    settings.adjustLowEnd(step);
    EXPECT_EQ(settings.parameterMessage(step, filter),
              (link::ScanSetupMessage{0x00, 0x00, 0x2A, 0xF8, 0x00, 0x00, 0x07, 0x6C, 0x00, 0x01, 0x01}));
}

TEST(ScanSettings, TablesComeFromTheSettingsFile) {
    test::TempDir dir;
    test::writeBytes(dir.file("w.ini"), "[Steps]\nSteps=2\nStep1=0.1nm\nStep2=2.0nm\n[Filters]\nFilters=2\n"
                                        "Filter1=1\nFilter2=5\n[Setup]\nScanStep=1\nScanTimes=1\n");
    const ProfileFile file(dir.file("w.ini"), false);
    scan::ScanSettings settings;
    settings.load(file);
    EXPECT_EQ(scan::ScanSettings::stepText(file, settings.stepIndex), "2.0nm");
    EXPECT_FLOAT_EQ(scan::ScanSettings::stepNm(file, settings.stepIndex), 2.0f);
    EXPECT_EQ(scan::ScanSettings::filterCode(file, settings.filterIndex), 5);
}

TEST(ScanSettings, LowEndMovesToAWholeNumberOfSteps) {
    scan::ScanSettings settings;
    settings.high = 700.0f;
    settings.low = 400.0f;
    EXPECT_FALSE(settings.adjustLowEnd(0.3f));
    EXPECT_EQ(settings.low, 400.0f);
    settings.low = 400.5f;
    EXPECT_TRUE(settings.adjustLowEnd(2.0f));
    EXPECT_FLOAT_EQ(settings.low, 400.0f); // 700 - 2 x 150
}

TEST(ScanSettings, BaselineMatchesOnlyTheSameGridAndFilter) {
    scan::ScanSettings settings;
    const scan::BaselineGrid reference{190.0f, 1100.0f, 1.0f, 1};
    EXPECT_TRUE(settings.baselineMatches(reference, 1.0f, 1));
    EXPECT_FALSE(settings.baselineMatches(reference, 0.5f, 1));
    EXPECT_FALSE(settings.baselineMatches(reference, 1.0f, 2));
    settings.low = 200.0f;
    EXPECT_FALSE(settings.baselineMatches(reference, 1.0f, 1));
}

TEST(StationFiles, WithoutFilesTheInstrumentIsASingleBeamDefault) {
    test::TempDir dir;
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    test::LinkFixture fixture;
    fixture.link->ResetStationStatus();
    fixture.link->readStationStatusFile();
    EXPECT_EQ(fixture.link->config().beamType.load(), 0);
    EXPECT_EQ(fixture.link->config().channels.load(), 1);
    EXPECT_EQ(fixture.link->config().wlMinTenths.load(), 1900);
    EXPECT_EQ(fixture.link->config().wlMaxTenths.load(), 11000);
    EXPECT_EQ(fixture.link->config().stepsPerNm.load(), 20);
    EXPECT_EQ(fixture.link->status().currentWavelengthTenths.load(), 5460);
    EXPECT_FLOAT_EQ(fixture.link->status().switchPointNm.load(), 340.0f);
}

TEST(StationFiles, StatusFileRoundTripsTheWavelength) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/bin");
    std::filesystem::create_directories(dir.path() + "/config");
    test::writeBytes(dir.file("config/tarvesta.zav.station.ini"), "[Status]\nWL_Current=656.19\n");
    test::writeBytes(dir.file("config/tarvesta.zav.station..ini"), "[Station]\nBeamType=2\nWL_Min=200\n");
    test::ScopedEnv env("SPECTAVO_PROGRAM_DIR", dir.path() + "/bin");
    test::LinkFixture fixture;
    fixture.link->ResetStationStatus();
    fixture.link->readStationStatusFile();
    EXPECT_EQ(fixture.link->status().currentWavelengthTenths.load(), 6562);
    EXPECT_EQ(fixture.link->config().beamType.load(), 2);
    EXPECT_EQ(fixture.link->config().wlMinTenths.load(), 2000);
    fixture.link->writeStationStatusFile();
    EXPECT_EQ(test::readBytes(dir.file("config/tarvesta.zav.station.ini")),
              "[Status]\nWL_Current=656.200012\nWL_Switch=340.000000\n");
}

} // namespace
} // namespace spectavo

namespace spectavo {
namespace {

// Confirming the Scan Setup unchanged must not change the range: the fields show what is stored.
TEST(ScanSettingsFields, RangeEndsShowTheDecimalsTheyHave) {
    EXPECT_EQ(scan::ScanSettings::rangeFieldText(700.0f), "700.0");
    EXPECT_EQ(scan::ScanSettings::rangeFieldText(656.1f), "656.1");
    EXPECT_EQ(scan::ScanSettings::rangeFieldText(656.15f), "656.15");
    EXPECT_EQ(scan::ScanSettings::rangeFieldText(400.05f), "400.05");
    for (const float value : {656.15f, 400.05f, 190.0f, 1099.95f})
        EXPECT_EQ(strings::scanFloatC(scan::ScanSettings::rangeFieldText(value)), value) << value;
}

} // namespace
} // namespace spectavo
