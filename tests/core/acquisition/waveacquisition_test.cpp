// The wavelength-scan runs against the scripted hub: what is sent, in which order, and what becomes of
// the spectra when a scan ends, breaks or runs over the cells.

#include <filesystem>

#include <gtest/gtest.h>

#include "core/acquisition/waveacquisition.h"
#include "core/link/commands.h"
#include "core/scan/chartstyle.h"
#include "support/linkfixture.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

using test::SentCommand;

class RecordingView : public WaveAcquisitionView {
public:
    void showState(const std::string &text) override { states.push_back(text); }
    void inform(const std::string &text) override { informed.push_back(text); }
    void refuse(const std::string &text) override { refused.push_back(text); }
    void spectraChanged() override { ++changes; }
    void pointsArrived() override { ++arrivals; }
    void switchToAbsorbance() override { ++absorbanceSwitches; }
    std::vector<std::string> states, informed, refused;
    int changes = 0, arrivals = 0, absorbanceSwitches = 0;
};

// The settings file of the scan windows with a step table of 0.01, 0.1, 0.3 and 1 nm.
constexpr const char *kWaveScanIni = "[Steps]\nSteps=4\nStep1=0.1nm\nStep2=0.3nm\nStep3=1nm\nStep4=0.01nm\n"
                                     "[Filters]\nFilters=4\nFilter1=1\nFilter2=2\nFilter3=5\nFilter4=10\n";

class WaveAcquisitionTest : public ::testing::Test {
protected:
    WaveAcquisitionTest() {
        std::filesystem::create_directories(dir.path() + "/config");
        std::filesystem::create_directories(dir.path() + "/bin");
        test::writeBytes(dir.file("config/tarvesta.zav.func.wavescan.ini"), kWaveScanIni);
        shared.scan.filterIndex = 0;
        fixture.link->status().cellCount.store(8);
    }
    // What the link does when the instrument reports the end of a scan: fills the rest, closes, posts.
    void instrumentFinishes(float absorbance = 0.5f) {
        for (std::size_t i = 0; i < spectra.size(); ++i) {
            scan::CWaveSpectrum &spectrum = spectra.at(i);
            if (spectrum.acquiring.load()) {
                std::fill(spectrum.points().begin(), spectrum.points().end(), absorbance);
                spectrum.arrived = static_cast<int>(spectrum.points().size());
                spectrum.nextIndex = -1;
            }
        }
        fixture.link->operations().CloseAcquisition();
        acquisition.handleNotification(link::Notification::acquisition(1, 0));
    }
    // The operator stops after the instrument delivered the top `measured` points.
    void operatorStops(int measured = 3) {
        for (std::size_t i = 0; i < spectra.size(); ++i) {
            scan::CWaveSpectrum &spectrum = spectra.at(i);
            if (!spectrum.acquiring.load())
                continue;
            const int total = static_cast<int>(spectrum.points().size());
            for (int k = 0; k < measured && k < total; ++k)
                spectrum.points()[static_cast<std::size_t>(total - 1 - k)] = 0.25f;
            spectrum.nextIndex = total - 1 - std::min(measured, total);
            spectrum.arrived = std::min(measured, total);
        }
        fixture.link->operations().CloseAcquisition();
        acquisition.handleNotification(link::Notification::acquisition(2, 0));
    }
    void addSpectrum(const std::string &name) {
        auto spectrum = std::make_unique<scan::CWaveSpectrum>();
        spectrum->name = name;
        spectra.insertFront(std::move(spectrum));
    }

    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
    test::LinkFixture fixture;
    program::SharedSettings shared;
    program::AppFlags flags;
    program::CellSelection accessories;
    scan::RecordList<scan::CWaveSpectrum> spectra;
    RecordingView view;
    WaveAcquisition acquisition{{*fixture.link, shared, flags, accessories}, spectra, &fixture.window, view};
};

TEST_F(WaveAcquisitionTest, LowEndMovesToWholeStepsBeforeTheParametersGo) {
    shared.scan.high = 700.0f;
    shared.scan.low = 400.05f;
    shared.scan.stepIndex = 2; // 1 nm
    ASSERT_TRUE(acquisition.sendScanParameters());
    EXPECT_FLOAT_EQ(shared.scan.low, 400.0f);
    // 7000, 4000 and 10 tenths, filter code 1.
    EXPECT_EQ(test::sentCommandsWith(link::kScanSetup),
              (std::vector<SentCommand>{{link::kScanSetup, {0, 0, 0x1B, 0x58, 0, 0, 0x0F, 0xA0, 0, 10, 1}}}));

    shared.scan.low = 400.0f;
    shared.scan.stepIndex = 1; // 0.3 nm: 1001 points exactly
    ASSERT_TRUE(acquisition.startSampleScan());
    EXPECT_FLOAT_EQ(shared.scan.low, 400.0f);
    EXPECT_EQ(spectra.at(0).pointCount(), 1001u);
    EXPECT_EQ(spectra.at(0).nextIndex.load(), 1000);
}

TEST_F(WaveAcquisitionTest, AScanLongerThanTheReferenceIsRefusedBeforeAnythingIsSent) {
    shared.scan.stepIndex = 3; // 0.01 nm over 190..1100: trunc(910.01 / 0.01 + 1) points
    EXPECT_FALSE(acquisition.startSampleScan());
    ASSERT_EQ(view.refused.size(), 1u);
    EXPECT_NE(view.refused[0].find("91002 points"), std::string::npos) << view.refused[0];
    EXPECT_TRUE(test::sentCommands().empty());
    EXPECT_TRUE(spectra.empty());
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    EXPECT_FALSE(acquisition.startBaselineScan());
    EXPECT_FALSE(acquisition.baselineMode()) << "a refused baseline scan leaves no baseline mode behind";

    // 20,000 points exactly still fit.
    shared.scan.high = 399.99f;
    shared.scan.low = 200.0f;
    EXPECT_TRUE(acquisition.sendScanParameters());
}

TEST_F(WaveAcquisitionTest, NamesFollowTheListAndClashesGetASuffix) {
    addSpectrum("A");
    ASSERT_TRUE(acquisition.startSampleScan());
    EXPECT_EQ(spectra.at(0).name, "Sample-2");
    EXPECT_EQ(spectra.at(0).sampleName(), "Sample-2");
    EXPECT_EQ(spectra.currentIndex(), 0u);
    EXPECT_EQ(view.states, std::vector<std::string>{"Wait..."});
    instrumentFinishes();

    scan::RecordList<scan::CWaveSpectrum> list;
    for (const char *name : {"Sample-3", "X", "new"}) {
        auto spectrum = std::make_unique<scan::CWaveSpectrum>();
        spectrum->name = name;
        list.insertFront(std::move(spectrum));
    }
    // Index 0 is the new scan itself and never compared; a clash appends the suffix once per match.
    EXPECT_EQ(deconflictedScanName(list, "Sample-3", "-T"), "Sample-3-T");
    EXPECT_EQ(deconflictedScanName(list, "new", "-T"), "new");
    list.at(1).name = "Sample-3-T";
    EXPECT_EQ(deconflictedScanName(list, "Sample-3", "-T"), "Sample-3-T-T");
}

TEST_F(WaveAcquisitionTest, SampleScanWithAClashingNameKeepsItsSampleName) {
    addSpectrum("Sample-3");
    addSpectrum("Other");
    ASSERT_TRUE(acquisition.startSampleScan());
    EXPECT_EQ(spectra.at(0).name, "Sample-3-T");
    EXPECT_EQ(spectra.at(0).sampleName(), "Sample-3");
    EXPECT_EQ(spectra.at(0).colour, scan::indexedColour(5))
        << "the settings' red is the other spectra's: the next free colour of the table";
    EXPECT_TRUE(spectra.at(0).modified);
    // Kind 3: the sample scan is taken against the baseline reference.
    EXPECT_EQ(test::sentCommandsWith(link::kStartScanAbsorbance).size(), 1u);
    EXPECT_EQ(fixture.link->acquisition().scanDataKind.load(), link::kScanAgainstBaseline);
}

TEST_F(WaveAcquisitionTest, FinishedScanClearsFlagsComputesMarksAndTellsTheOperator) {
    ASSERT_TRUE(acquisition.startSampleScan());
    EXPECT_TRUE(acquisition.scanning());
    instrumentFinishes();
    EXPECT_FALSE(acquisition.scanning());
    EXPECT_FALSE(spectra.at(0).acquiring.load());
    EXPECT_EQ(spectra.at(0).nextIndex.load(), -1);
    EXPECT_EQ(view.states.back(), "Ready");
    EXPECT_EQ(view.informed,
              std::vector<std::string>{"Finish scanning the sample, please continue your work."});
}

TEST_F(WaveAcquisitionTest, BaselineScanBecomesTheReferenceAndLeavesTheList) {
    addSpectrum("first");
    addSpectrum("second");
    addSpectrum("third");
    spectra.setCurrent(2);
    ASSERT_TRUE(acquisition.startBaselineScan());
    EXPECT_EQ(fixture.link->acquisition().scanDataKind.load(), link::kScanAbsorbance);
    scan::CWaveSpectrum &scanned = spectra.at(0);
    const std::size_t n = scanned.pointCount();
    ASSERT_EQ(n, 9101u);
    for (std::size_t i = 0; i < n; ++i)
        scanned.points()[i] = 0.001f * static_cast<float>(i % 100);
    scanned.points()[n - 1] = 0.042f;
    fixture.link->operations().CloseAcquisition();
    acquisition.handleNotification(link::Notification::acquisition(1, 0));

    EXPECT_EQ(spectra.size(), 3u);
    EXPECT_TRUE(spectra.findByName("first")) << "the spectrum that was current is still there";
    EXPECT_FALSE(spectra.findByName("Sample-4"));
    ASSERT_TRUE(spectra.current());
    const scan::CWaveSpectrum &reference = *shared.baseline;
    EXPECT_EQ(reference.name, "Sample-4");
    EXPECT_FLOAT_EQ(reference.step, 0.1f);
    EXPECT_FLOAT_EQ(reference.points()[5], 0.005f);
    EXPECT_EQ(reference.points()[n - 1], 0.0f) << "the first point scanned becomes the blank";
    EXPECT_FLOAT_EQ(fixture.link->acquisition().blankAbsorbance.load(), 0.042f);
    EXPECT_FALSE(acquisition.baselineMode());

    // The same grid keeps the reference; another step makes it useless.
    ASSERT_TRUE(acquisition.sendScanParameters());
    EXPECT_FLOAT_EQ(reference.points()[5], 0.005f);
    shared.scan.stepIndex = 2;
    ASSERT_TRUE(acquisition.sendScanParameters());
    EXPECT_TRUE(std::all_of(reference.points().begin(), reference.points().end(),
                            [](float value) { return value == 0.0f; }));
}

TEST_F(WaveAcquisitionTest, BrokenBaselineScanStaysAnOrdinarySpectrum) {
    ASSERT_TRUE(acquisition.startBaselineScan());
    const float high = spectra.at(0).end;
    const float step = spectra.at(0).step;
    operatorStops(3);
    ASSERT_EQ(spectra.size(), 1u);
    EXPECT_EQ(spectra.at(0).points(), (std::vector<float>{0.25f, 0.25f, 0.25f})) << "the measured part only";
    EXPECT_NEAR(spectra.at(0).start, high - 2 * step, 1e-3);
    EXPECT_EQ(spectra.at(0).end, high);
    EXPECT_FALSE(spectra.at(0).acquiring.load());
    EXPECT_FALSE(acquisition.baselineMode());
    EXPECT_EQ(shared.baseline->step, 0.0f) << "the reference is unchanged";
    EXPECT_EQ(view.informed, std::vector<std::string>{"Wavelength scanning has been broken."});
}

TEST_F(WaveAcquisitionTest, AScanStoppedBeforeItsFirstPointLeavesNoSpectrum) {
    ASSERT_TRUE(acquisition.startSampleScan());
    operatorStops(0);
    EXPECT_TRUE(spectra.empty());
    EXPECT_EQ(view.informed, std::vector<std::string>{"Wavelength scanning has been broken."});
}

TEST_F(WaveAcquisitionTest, PointsThatNeverArrivedAreToldOnceAndKeptInTheMemo) {
    ASSERT_TRUE(acquisition.startSampleScan());
    scan::CWaveSpectrum &spectrum = spectra.at(0);
    const int total = static_cast<int>(spectrum.points().size());
    spectrum.arrived = total - 10; // ten points lost on the line
    spectrum.nextIndex = -1;
    fixture.link->operations().CloseAcquisition();
    acquisition.handleNotification(link::Notification::acquisition(1, 0));
    const std::string note =
        std::to_string(10) + " of " + std::to_string(total) + " points did not arrive; they are shown as 0.";
    EXPECT_EQ(view.refused, std::vector<std::string>{note});
    ASSERT_EQ(spectra.size(), 1u);
    EXPECT_NE(spectra.at(0).memo.find(note), std::string::npos);
}

// A scan that receives nothing for the give-up time, or whose link went offline, is stopped instead
// of waiting for an end that will never come.
TEST_F(WaveAcquisitionTest, AStalledScanIsStoppedAfterTheGiveUpTime) {
    using namespace std::chrono_literals;
    fixture.link->status().linkOnline = 1;
    ASSERT_TRUE(acquisition.startSampleScan());
    const auto start = WaveAcquisition::Clock::now();
    acquisition.watch(start);
    acquisition.watch(start + 4s);
    EXPECT_TRUE(fixture.link->acquisition().open.load()) << "still within the give-up time";
    spectra.at(0).nextIndex = spectra.at(0).nextIndex.load() - 1; // a point arrives
    acquisition.watch(start + 4500ms);
    acquisition.watch(start + 9s);
    EXPECT_TRUE(fixture.link->acquisition().open.load()) << "the point restarted the wait";
    acquisition.watch(start + 10s);
    EXPECT_FALSE(fixture.link->acquisition().open.load());
    EXPECT_EQ(view.refused, std::vector<std::string>{WaveAcquisition::kStalled});
    EXPECT_TRUE(fixture.window.received(link::Notification::acquisition(link::kAcqStopped, 0)));
}

TEST_F(WaveAcquisitionTest, AScanWhoseLinkWentOfflineIsStoppedAtTheNextWatch) {
    fixture.link->status().linkOnline = 1;
    ASSERT_TRUE(acquisition.startSampleScan());
    const auto start = WaveAcquisition::Clock::now();
    acquisition.watch(start);
    fixture.link->status().linkOnline = 0;
    acquisition.watch(start + std::chrono::seconds(1));
    EXPECT_FALSE(fixture.link->acquisition().open.load());
}

TEST_F(WaveAcquisitionTest, AutorunScansTheInstalledCellsInOrder) {
    accessories.cellInstalled = {0, 1, 0, 1, 1, 0, 0, 0};
    accessories.cellName[3] = "Standard 2";
    accessories.cellName[4] = std::string(18, ' ');
    ASSERT_TRUE(acquisition.startAutorun());
    std::vector<int> cells;
    std::vector<std::uint32_t> colours;
    std::vector<std::string> names;
    for (int scan = 0; scan < 3; ++scan) {
        ASSERT_TRUE(acquisition.scanning()) << "scan " << scan;
        cells.push_back(fixture.link->status().currentCell.load());
        colours.push_back(spectra.at(0).colour);
        names.push_back(spectra.at(0).name);
        if (scan == 1)
            operatorStops(); // a broken scan moves on too
        else
            instrumentFinishes();
    }
    EXPECT_FALSE(acquisition.scanning());
    EXPECT_EQ(cells, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(colours, (std::vector<std::uint32_t>{scan::indexedColour(9), scan::indexedColour(11),
                                                   scan::indexedColour(12)}));
    EXPECT_EQ(names, (std::vector<std::string>{"Sample-1", "Standard 2", "Sample-3"}));
    EXPECT_EQ(flags.autorunActive, 0);
    EXPECT_EQ(fixture.link->status().currentCell.load(), 4);
    EXPECT_EQ(view.informed, std::vector<std::string>{"Complete auto run."});
    std::vector<std::uint8_t> selected;
    for (const SentCommand &command : test::sentCommandsWith(link::kSelectCell))
        selected.push_back(command.data.at(0));
    EXPECT_EQ(selected, (std::vector<std::uint8_t>{1, 3, 4}));
    // The scan broken in cell 3 keeps its points; the next cell's spectrum filled normally.
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_FALSE(spectra.at(i).acquiring.load());
}

TEST_F(WaveAcquisitionTest, RemoteStartScansSilentlyAndReportsTheEnd) {
    acquisition.remoteStart(1);
    ASSERT_TRUE(acquisition.scanning());
    EXPECT_EQ(flags.remoteStartFlag, 1);
    instrumentFinishes();
    EXPECT_TRUE(view.informed.empty());
    EXPECT_EQ(flags.remoteStartFlag, 0);
    EXPECT_EQ(test::sentCommandsWith(link::kRemoteMeasureDone).size(), 1u);

    // Any other code takes a baseline, unless the lamp is still warming up.
    flags.lampStable = 0;
    acquisition.remoteStart(0);
    EXPECT_FALSE(acquisition.scanning());
    flags.lampStable = 1;
    acquisition.remoteStart(0);
    EXPECT_TRUE(acquisition.baselineMode());
}

TEST_F(WaveAcquisitionTest, StartRefusedByTheLinkLeavesNoTrace) {
    test::RecordingTarget other;
    ASSERT_TRUE(fixture.link->operations().OpenAcquisition(&other, link::kModeGotoOnly));
    addSpectrum("kept");
    EXPECT_FALSE(acquisition.startSampleScan());
    EXPECT_EQ(spectra.size(), 1u);
    EXPECT_EQ(spectra.at(0).name, "kept");
    EXPECT_TRUE(view.informed.empty());
    EXPECT_TRUE(fixture.link->acquisition().open.load()) << "the other window's acquisition stays open";
}

TEST_F(WaveAcquisitionTest, EnergyScanMakesOneSpectrumPerBeam) {
    fixture.link->config().beamType.store(2);
    addSpectrum("Energy");
    ASSERT_TRUE(acquisition.startEnergyScan());
    EXPECT_EQ(view.absorbanceSwitches, 1);
    ASSERT_EQ(spectra.size(), 3u);
    EXPECT_EQ(spectra.at(1).colour, scan::indexedColour(9));
    EXPECT_EQ(spectra.at(0).colour, scan::indexedColour(10));
    EXPECT_EQ(spectra.at(1).name, "Energy-A");
    EXPECT_EQ(fixture.link->acquisition().scanDataKind.load(), link::kScanEnergies);
    EXPECT_EQ(test::sentCommandsWith(link::kStartScanEnergies).size(), 1u);
}

TEST_F(WaveAcquisitionTest, SlitWidthScanOverwritesTheSettings) {
    ASSERT_TRUE(acquisition.startSlitWidthScan());
    EXPECT_EQ(shared.scan.high, 670.0f);
    EXPECT_EQ(shared.scan.low, 640.0f);
    EXPECT_EQ(shared.scan.filterIndex, 3);
    EXPECT_EQ(spectra.at(0).name, "Width-1");
    EXPECT_EQ(spectra.at(0).pointCount(), 301u);
    EXPECT_FALSE(spectra.at(0).modified);
    EXPECT_EQ(test::sentCommandsWith(link::kStartScanSampleEnergy).size(), 1u);
}

} // namespace
} // namespace spectavo
