#include <filesystem>

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/link/bytes.h"
#include "core/link/storedrecords.h"
#include "core/scan/datafileformats.h"
#include "core/scan/scanfiletext.h"
#include "core/scan/time/kinefile.h"
#include "core/scan/wave/wavefile.h"
#include "support/tempdir.h"

namespace spectavo {
namespace {

using test::readBytes;
using test::writeBytes;

// A program directory of its own, so the memo the writers store goes nowhere shared.
class ScanFileTest : public ::testing::Test {
protected:
    ScanFileTest() {
        std::filesystem::create_directories(dir.path() + "/bin");
        std::filesystem::create_directories(dir.path() + "/config");
    }
    test::TempDir dir;
    test::ScopedEnv env{"SPECTAVO_PROGRAM_DIR", dir.path() + "/bin"};
};

scan::CWaveSpectrum threePointSpectrum() {
    scan::CWaveSpectrum spectrum;
    spectrum.start = 200.0f;
    spectrum.end = 201.0f;
    spectrum.step = 0.5f;
    spectrum.filter = 12;
    spectrum.lamp = 1;
    spectrum.slit = 2.0f;
    spectrum.setDateText("December 09 10:30:00 2026");
    spectrum.setOperatorName("Ana");
    spectrum.memo = "Lot 42\r\nDiluted";
    spectrum.allocatePoints();
    spectrum.points() = {0.1f, 0.25f, -0.05f};
    spectrum.modified = true;
    return spectrum;
}

TEST_F(ScanFileTest, SpectrumFileIsWrittenByteForByte) {
    scan::CWaveSpectrum spectrum = threePointSpectrum();
    const std::string path = dir.file("run1.sca");
    ASSERT_TRUE(writeSpectrumFile(spectrum, path));
    EXPECT_EQ(readBytes(path), "Time:December 09 10:30:00 2026\r\n"
                               "Lamp:1\r\n"
                               "SLIT:2.000000\r\n"
                               "Xmax->Xmin: 201.000000 -> 200.000000\r\n"
                               "Step:0.500000\r\n"
                               "Filter:12\r\n"
                               "200.000000 0.100000\r\n"
                               "200.500000 0.250000\r\n"
                               "201.000000 -0.050000\r\n"
                               "[Extended]\r\n"
                               "SampleName=run1.sca\r\n"
                               "Operator=Ana\r\n"
                               "Memo=Lot 42\x02\x01"
                               "Diluted\r\n");
    EXPECT_EQ(spectrum.sampleName(), "run1.sca") << "the default sample name takes the file's name";
    EXPECT_FALSE(spectrum.modified);
    EXPECT_EQ(readBytes(dir.file("config/tarvesta.zav.func.wavescan.ini")), "[Memo]\nMemo=Lot 42\x02\x01"
                                                                            "Diluted\n");
}

TEST_F(ScanFileTest, SpectrumRoundTripsThroughItsFile) {
    scan::CWaveSpectrum spectrum = threePointSpectrum();
    spectrum.setSampleName("Holmium");
    const std::string path = dir.file("holmium.sca");
    ASSERT_TRUE(writeSpectrumFile(spectrum, path));
    scan::CWaveSpectrum loaded;
    ASSERT_TRUE(readSpectrumFile(path, loaded));
    EXPECT_EQ(loaded.points(), spectrum.points());
    EXPECT_EQ(loaded.filter, 12);
    EXPECT_EQ(loaded.lamp, 1);
    EXPECT_EQ(loaded.start, 200.0f);
    EXPECT_EQ(loaded.end, 201.0f);
    EXPECT_EQ(loaded.name, "holmium.sca");
    EXPECT_EQ(loaded.sampleName(), "Holmium");
    EXPECT_EQ(loaded.operatorName(), "Ana");
    EXPECT_EQ(loaded.memo, "Lot 42\r\nDiluted");
    EXPECT_EQ(loaded.dateText(), "December 09 10:30:00 2026");
    EXPECT_FALSE(loaded.modified);
}

TEST(SpectrumGrid, FullRangeAtOneNanometreHas911Points) {
    scan::CWaveSpectrum spectrum;
    spectrum.start = 190.0f;
    spectrum.end = 1100.0f;
    spectrum.step = 1.0f;
    ASSERT_TRUE(spectrum.allocatePoints());
    EXPECT_EQ(spectrum.points().size(), 911u);
    EXPECT_EQ(spectrum.wavelengthAt(910), 1100.0f);
}

TEST_F(ScanFileTest, TxtNameHasNoHeaderWhateverItsCase) {
    scan::CWaveSpectrum spectrum = threePointSpectrum();
    ASSERT_TRUE(writeSpectrumFile(spectrum, dir.file("plain.TXT")));
    EXPECT_EQ(readBytes(dir.file("plain.TXT")).substr(0, 20), "200.000000 0.100000\r");
}

TEST_F(ScanFileTest, OlderWavHeaderAndMissingExtendedSection) {
    writeBytes(dir.file("old.wav"), "Date:2004/06/02\r\nTime:15:04:34\r\nLamp:0\r\nSLIT:2.0\r\n"
                                    "Xmax->Xmin: 200.9 -> 200.0\r\nStep:0.3\r\nFilter:3\r\n"
                                    "200.0 0.5\r\n200.3 0.6\r\nbroken\r\n200.9 0.8\r\n");
    scan::CWaveSpectrum loaded;
    loaded.setOperatorName("Kept");
    ASSERT_TRUE(readSpectrumFile(dir.file("old.wav"), loaded));
    EXPECT_EQ(loaded.dateText(), "2004/06/02 15:04:34");
    EXPECT_EQ(loaded.pointCount(), 4u) << "200.0, 200.3, 200.6, 200.9";
    EXPECT_EQ(loaded.points(), (std::vector<float>{0.5f, 0.6f, 0.0f, 0.8f}));
    EXPECT_EQ(loaded.sampleName(), "");
    EXPECT_EQ(loaded.operatorName(), "Kept");
    EXPECT_EQ(loaded.filter, 3);
}

TEST_F(ScanFileTest, AbsurdOrMissingFilesAddNothing) {
    writeBytes(dir.file("huge.sca"),
               "Time:x\r\nLamp:0\r\nSLIT:0\r\nXmax->Xmin: 1e9 -> 0\r\nStep:0.001\r\nFilter:1\r\n");
    writeBytes(dir.file("flat.sca"),
               "Time:x\r\nLamp:0\r\nSLIT:0\r\nXmax->Xmin: 700 -> 400\r\nStep:0\r\nFilter:1\r\n");
    scan::CWaveSpectrum spectrum;
    spectrum.name = "untouched";
    EXPECT_FALSE(readSpectrumFile(dir.file("huge.sca"), spectrum));
    EXPECT_FALSE(readSpectrumFile(dir.file("flat.sca"), spectrum));
    EXPECT_FALSE(readSpectrumFile(dir.file("missing.sca"), spectrum));
    EXPECT_EQ(spectrum.name, "untouched");
    EXPECT_FALSE(spectrum.hasPoints());
}

TEST_F(ScanFileTest, AFileThatEndsEarlyIsReadAndSaysHowManyPointsItHeld) {
    writeBytes(dir.file("short.sca"), "Time:x\r\nLamp:0\r\nSLIT:0\r\nXmax->Xmin: 704 -> 700\r\nStep:1\r\n"
                                      "Filter:1\r\n700.0 0.5\r\n701.0 0.6\r\n");
    scan::CWaveSpectrum spectrum;
    std::size_t supplied = 0;
    ASSERT_TRUE(readSpectrumFile(dir.file("short.sca"), spectrum, &supplied));
    EXPECT_EQ(supplied, 2u);
    EXPECT_EQ(spectrum.points(), (std::vector<float>{0.5f, 0.6f, 0.0f, 0.0f, 0.0f})) << "the rest reads 0";
    scan::DataFileContent content;
    ASSERT_EQ(scan::readDataFile(dir.file("short.sca"), content), "");
    EXPECT_EQ(content.shortFileNote(), "The file holds 2 of its 5 points.");
    EXPECT_EQ(scan::readDataFile(dir.file("absent.sca"), content), "no such file: " + dir.file("absent.sca"));
}

// A million empty lines after the data: the reader keeps no list of lines, and reads the points.
TEST_F(ScanFileTest, EmptyLinesCostNothingBeyondTheirText) {
    std::string text = "Time:x\r\nLamp:0\r\nSLIT:0\r\nXmax->Xmin: 701 -> 700\r\nStep:1\r\nFilter:1\r\n"
                       "700.0 0.5\r\n701.0 0.6\r\n";
    text.append(1'000'000, '\n');
    writeBytes(dir.file("blank.sca"), text);
    scan::CWaveSpectrum spectrum;
    ASSERT_TRUE(readSpectrumFile(dir.file("blank.sca"), spectrum));
    EXPECT_EQ(spectrum.points(), (std::vector<float>{0.5f, 0.6f}));
}

TEST_F(ScanFileTest, FailedWriteKeepsTheSpectrumModified) {
    scan::CWaveSpectrum spectrum = threePointSpectrum();
    EXPECT_FALSE(writeSpectrumFile(spectrum, dir.file("absent/run.sca")));
    EXPECT_TRUE(spectrum.modified);
    EXPECT_EQ(spectrum.sampleName(), scan::CWaveSpectrum::kDefaultSampleName);
}

TEST_F(ScanFileTest, SpectrumTableExport) {
    scan::CWaveSpectrum spectrum = threePointSpectrum();
    // The float -0.05 is -0.0500000007, whose transmittance rounds up in the last place.
    EXPECT_EQ(spectrumTableText(spectrum), " WL        Abs       T%\r\n"
                                           " 200.0  0.100000  79.432823\r\n"
                                           " 200.5  0.250000  56.234133\r\n"
                                           " 201.0 -0.050000 112.201846\r\n");
}

scan::CKineSpectrum shortCurve() {
    scan::CKineSpectrum curve;
    curve.totalTime = 1;
    curve.step = 0.3f;
    curve.wavelength = 340.0f;
    curve.setDateText("D");
    curve.setOperatorName("Ana");
    curve.allocatePoints();
    curve.points() = {1.0f, 0.9f, 0.8f, 0.7f};
    curve.beginTime = 0.0f;
    curve.endTime = 1.0f;
    curve.factor = 2.0f;
    curve.rateResult = -40.0f;
    curve.r = -1.0f;
    curve.printRate = 1;
    return curve;
}

TEST_F(ScanFileTest, CurveFileIsWrittenByteForByte) {
    scan::CKineSpectrum curve = shortCurve();
    ASSERT_TRUE(writeCurveFile(curve, dir.file("run1.kin")));
    EXPECT_EQ(readBytes(dir.file("run1.kin")),
              "Time:D\r\nLamp:0\r\nSLIT:0.000000\r\nWaveLength:340.000000\r\n"
              "Total Time:1\r\nStep:0.300000\r\n"
              "0.000000 1.000000\r\n0.300000 0.900000\r\n"
              "0.600000 0.800000\r\n0.900000 0.700000\r\n"
              "[Extended]\r\nSampleName=run1.kin\r\nOperator=Ana\r\nMemo=\r\n"
              "[IU]\r\nValid=1\r\nPrint=1\r\nBegin=0.000000\r\nEnd=1.000000\r\n"
              "K=2.000000\r\nIU=-40.000000\r\nR=-1.000000\r\n");
    scan::CKineSpectrum loaded;
    ASSERT_TRUE(readCurveFile(dir.file("run1.kin"), loaded));
    EXPECT_EQ(loaded.points(), curve.points());
    EXPECT_EQ(loaded.count.load(), 4);
    EXPECT_EQ(loaded.factor, 2.0f);
    EXPECT_EQ(loaded.rateResult, -40.0f);
    EXPECT_EQ(loaded.printRate, 1);
}

TEST_F(ScanFileTest, CurveWithoutRateSectionKeepsTheInitialRateFields) {
    writeBytes(dir.file("norate.kin"),
               "Time:x\r\nLamp:0\r\nSLIT:0\r\nWaveLength:340\r\nTotal Time:20\r\nStep:1\r\n");
    scan::CKineSpectrum loaded;
    ASSERT_TRUE(readCurveFile(dir.file("norate.kin"), loaded));
    EXPECT_EQ(loaded.fullPointCount(), 21u);
    EXPECT_EQ(loaded.beginTime, 0.0f);
    EXPECT_EQ(loaded.endTime, 10.0f);
    EXPECT_EQ(loaded.factor, 1.0f);
    EXPECT_EQ(loaded.r, 1.0f);
    // The rate then comes from the first ten seconds: a flat curve has none, and R stays 1.
    loaded.points()[8] = 0.5f;
    loaded.recomputeRate();
    EXPECT_NE(loaded.rateResult, 0.0f);
    loaded.points().assign(loaded.points().size(), 0.25f);
    loaded.r = 1.0f;
    loaded.recomputeRate();
    EXPECT_EQ(loaded.rateResult, 0.0f);
    EXPECT_EQ(loaded.r, 1.0f);
}

TEST_F(ScanFileTest, CurveTableExport) {
    EXPECT_EQ(curveTableText(shortCurve()).substr(0, 54), " Time      Abs       T%\r\n"
                                                          "   0.0  1.000000  10.000000\r\n");
}

// Values within their widths keep the table's bytes; one that fills or outruns its field is set off
// by a blank, so a reader never sees two numbers run together (T% of A = -1.2 is 1584.893192).
TEST(AbsorbanceTable, ColumnsNeverRunTogether) {
    EXPECT_EQ(scan::scanfile::absorbanceTableRow(500.0, 0.5), " 500.0  0.500000  31.622777\r\n");
    EXPECT_EQ(scan::scanfile::absorbanceTableRow(500.0, -1.2), " 500.0 -1.200000 1584.893192\r\n");
    EXPECT_EQ(scan::scanfile::absorbanceTableRow(1100.0, -12345.0), "1100.0 -12345.000000        inf\r\n");
    EXPECT_EQ(scan::scanfile::absorbanceTableRow(190.0, 4.0), " 190.0  4.000000   0.010000\r\n");
}

TEST(InstrumentRecords, SpectrumRecordInMotorSteps) {
    std::vector<std::uint8_t> content(90 + 4 * 701, 0);
    const std::string name = "SCAN7";
    std::copy(name.begin(), name.end(), content.begin());
    content[14] = 5, content[15] = 30, content[16] = 14, content[17] = 2, content[18] = 6, content[19] = 4;
    link::writeU32(content, 25, 18000);
    link::writeU32(content, 29, 4000);
    content[33] = 2;
    link::writeFloat(content, 35, 0.05f);
    link::writeFloat(content, 90, 0.125f);
    link::writeFloat(content, 90 + 4 * 700, 0.5f);
    test::TempDir dir;
    test::writeBytes(dir.file("station.ini"), "[WaveScan]\nStep2=1.0\n");
    scan::CWaveSpectrum spectrum;
    const auto threshold =
        decodeInstrumentSpectrum(content, 20, ProfileFile(dir.file("station.ini"), false), spectrum);
    ASSERT_TRUE(threshold.has_value());
    EXPECT_EQ(*threshold, 0.05f);
    EXPECT_EQ(spectrum.end, 900.0f);
    EXPECT_EQ(spectrum.start, 200.0f);
    EXPECT_EQ(spectrum.points().size(), 701u);
    EXPECT_EQ(spectrum.points().front(), 0.125f);
    EXPECT_EQ(spectrum.points().back(), 0.5f);
    EXPECT_EQ(spectrum.dateText(), "2004/06/02 14:30:05");
    EXPECT_EQ(spectrum.name, "SCAN7");
    EXPECT_EQ(spectrum.filter, 5) << "no Time key: the default filter";
    EXPECT_TRUE(spectrum.modified);
}

// A record cut short in a transfer lacks points of its own grid and is refused as incomplete rather
// than shown with zeros. A longer one is read as far as its grid goes and its tail is ignored: a
// time-scan record of 21 points may arrive in 180 bytes, and values may follow a spectrum's points.
TEST(InstrumentRecords, OnlyARecordShorterThanItsOwnCountsIsIncomplete) {
    std::vector<std::uint8_t> content(96 + 4 * 21, 0);
    link::writeU32(content, 16, 6800);
    link::writeU16(content, 20, 600);
    content[22] = 5;
    for (std::size_t i = 0; i < 21; ++i)
        link::writeFloat(content, 96 + 4 * i, 0.1f * static_cast<float>(i));
    {
        std::vector<std::uint8_t> cut = content;
        cut.resize(content.size() - 4);
        scan::CKineSpectrum curve;
        bool incomplete = false;
        EXPECT_FALSE(decodeInstrumentCurve(cut, 20, 2, curve, &incomplete));
        EXPECT_TRUE(incomplete);
    }
    for (const std::size_t tail : {std::size_t{4}, std::size_t{63}, std::size_t{180 - 96 - 84}}) {
        std::vector<std::uint8_t> longer = content;
        longer.resize(content.size() + tail, 0xEE);
        scan::CKineSpectrum curve;
        bool incomplete = true;
        ASSERT_TRUE(decodeInstrumentCurve(longer, 20, 2, curve, &incomplete)) << tail;
        EXPECT_FALSE(incomplete);
        ASSERT_EQ(curve.points().size(), 21u);
        EXPECT_FLOAT_EQ(curve.points().back(), 2.0f) << "the tail is not read as points";
    }
    std::vector<std::uint8_t> spectrum(90 + 4 * 11 + 40, 0x7F);
    std::fill(spectrum.begin(), spectrum.begin() + 90, 0);
    link::writeU32(spectrum, 25, 4100);
    link::writeU32(spectrum, 29, 4000);
    test::TempDir dir;
    test::writeBytes(dir.file("station.ini"), "[WaveScan]\nStep0=0.5\n");
    for (std::size_t i = 0; i < 11; ++i)
        link::writeFloat(spectrum, 90 + 4 * i, 1.0f);
    scan::CWaveSpectrum decoded;
    bool incomplete = true;
    ASSERT_TRUE(decodeInstrumentSpectrum(spectrum, 20, ProfileFile(dir.file("station.ini"), false), decoded,
                                         &incomplete));
    EXPECT_EQ(decoded.points(), std::vector<float>(11, 1.0f));
    EXPECT_FALSE(incomplete);
    spectrum.resize(90 + 4 * 10);
    EXPECT_FALSE(decodeInstrumentSpectrum(spectrum, 20, ProfileFile(dir.file("station.ini"), false), decoded,
                                          &incomplete));
    EXPECT_TRUE(incomplete);

    const std::vector<std::uint8_t> quantitative = [] {
        std::vector<std::uint8_t> record(99 + 28 * 5, 0);
        record[97] = 3;
        record[98] = 2;
        return record;
    }();
    EXPECT_TRUE(link::storedRecordComplete(0, quantitative));
    EXPECT_FALSE(link::storedRecordComplete(0, std::span(quantitative).first(quantitative.size() - 28)));
    std::vector<std::uint8_t> longer = quantitative;
    longer.insert(longer.end(), quantitative.begin() + 99, quantitative.begin() + 99 + 63);
    EXPECT_TRUE(link::storedRecordComplete(0, longer)) << "a longer record is read as far as its counts go";
    EXPECT_EQ(link::storedFileType("HOLMIUM.sca"), 1);
    EXPECT_EQ(link::storedFileType("CR6.qua"), 0);
    EXPECT_FALSE(link::storedFileType("notes.txt"));
}

TEST(InstrumentRecords, CurveRecordStepTableAndBeamOffset) {
    std::vector<std::uint8_t> content(96 + 4 * 21, 0);
    link::writeU32(content, 16, 6800);
    link::writeU16(content, 20, 600);
    content[22] = 5;
    link::writeFloat(content, 92, 1.5f);
    link::writeFloat(content, 96, 2.5f);
    scan::CKineSpectrum single, twoBeams;
    // A single-beam record starts its points four bytes earlier and is four bytes shorter.
    const auto singleBeam = std::span<const std::uint8_t>(content).first(content.size() - 4);
    ASSERT_TRUE(decodeInstrumentCurve(singleBeam, 20, 0, single));
    ASSERT_TRUE(decodeInstrumentCurve(content, 20, 2, twoBeams));
    EXPECT_EQ(single.step, 30.0f);
    EXPECT_EQ(single.fullPointCount(), 21u);
    EXPECT_EQ(single.wavelength, 340.0f);
    EXPECT_EQ(single.points()[0], 1.5f);
    EXPECT_EQ(twoBeams.points()[0], 2.5f);
    EXPECT_EQ(single.endTime, 10.0f) << "no rate fields without the flag";

    content[43] = 1;
    link::writeU16(content, 27, 60);
    link::writeU16(content, 29, 300);
    link::writeFloat(content, 31, 2.0f);
    link::writeFloat(content, 39, 0.001f);
    scan::CKineSpectrum rated;
    ASSERT_TRUE(decodeInstrumentCurve(std::span<const std::uint8_t>(content).first(content.size() - 4), 20, 0,
                                      rated));
    EXPECT_EQ(rated.beginTime, 60.0f);
    EXPECT_EQ(rated.endTime, 300.0f);
    EXPECT_NEAR(rated.rateResult, 0.12f, 1e-6);
    EXPECT_EQ(rated.printRate, 1);
    content[22] = 7;
    EXPECT_FALSE(decodeInstrumentCurve(content, 20, 0, rated)) << "a step index without a table entry";
}

} // namespace
} // namespace spectavo
