// The table of data-file formats: every writable format reads back what it wrote, for spectra and
// curves, and every extension reaches its own format.

#include <gtest/gtest.h>

#include "core/scan/datafileformats.h"
#include "core/scan/scalemap.h"
#include "support/tempdir.h"

namespace spectavo::scan {
namespace {

CWaveSpectrum rampSpectrum() {
    CWaveSpectrum spectrum;
    spectrum.start = 400.0f;
    spectrum.end = 420.0f;
    spectrum.step = 0.5f;
    spectrum.allocatePoints();
    for (std::size_t i = 0; i < spectrum.pointCount(); ++i)
        spectrum.points()[i] = 0.25f + 0.01f * static_cast<float>(i);
    return spectrum;
}

TEST(DataFileFormats, EveryExtensionFindsItsFormatWhateverItsCase) {
    EXPECT_STREQ(dataFileFormatFor("/a/b.SCA")->name, "spectrum");
    EXPECT_STREQ(dataFileFormatFor("b.wav")->name, "older spectrum");
    EXPECT_STREQ(dataFileFormatFor("b.kin")->name, "time scan");
    EXPECT_STREQ(dataFileFormatFor("b.Txt")->name, "data lines");
    EXPECT_STREQ(dataFileFormatFor("b.csv")->name, "CSV");
    EXPECT_STREQ(dataFileFormatFor("b.dx")->name, "JCAMP-DX");
    EXPECT_STREQ(dataFileFormatFor("b.jdx")->name, "JCAMP-DX");
    EXPECT_EQ(dataFileFormatFor("b.qua"), nullptr);
    EXPECT_EQ(dataFileFormatFor("dir.sca/b"), nullptr);
    EXPECT_EQ(readableExtensions(), ".sca, .wav, .kin, .csv, .jdx, .dx");
}

TEST(DataFileFormats, SpectraRoundTripThroughEveryReadableWritableFormat) {
    test::TempDir dir;
    for (const char *name : {"s.sca", "s.csv", "s.jdx"}) {
        DataFileContent out;
        out.spectrum = rampSpectrum();
        ASSERT_EQ(writeDataFile(out, dir.file(name)), "") << name;
        DataFileContent in;
        ASSERT_EQ(readDataFile(dir.file(name), in), "") << name;
        ASSERT_TRUE(in.spectrum) << name;
        EXPECT_EQ(in.spectrum->pointCount(), 41u) << name;
        EXPECT_NEAR(in.spectrum->start, 400.0f, 1e-4) << name;
        EXPECT_NEAR(in.spectrum->points()[40], 0.65f, 1e-4) << name;
    }
}

TEST(DataFileFormats, ReadOnlyAndMismatchedWritesSayWhy) {
    test::TempDir dir;
    DataFileContent out;
    out.spectrum = rampSpectrum();
    EXPECT_EQ(writeDataFile(out, dir.file("s.wav")), "the older spectrum layout is read only");
    EXPECT_EQ(writeDataFile(out, dir.file("s.kin")),
              "a spectrum cannot be written as '" + dir.file("s.kin") + "'");
    EXPECT_EQ(writeDataFile(out, dir.file("s.txt")), "") << "data lines without the header";
    DataFileContent in;
    EXPECT_NE(readDataFile(dir.file("s.txt"), in).find("unknown file kind"), std::string::npos);
}

TEST(DataFileFormats, ExportsProposeTheirOwnExtensionNeverTheSourceFile) {
    EXPECT_EQ(exportFileName("x.sca", "csv"), "x.csv");
    EXPECT_EQ(exportFileName("run.1.SCA", "jdx"), "run.1.jdx");
    EXPECT_EQ(exportFileName("Sample-2", "pdf"), "Sample-2.pdf");
    EXPECT_EQ(exportFileName(".hidden", "txt"), ".hidden.txt");
}

TEST(ScaleMap, MapsBothWaysForwardAndBackward) {
    const ScaleMap seconds(40.0, 640.0, 0.0, 300.0);
    EXPECT_DOUBLE_EQ(seconds.factor(), 2.0);
    EXPECT_DOUBLE_EQ(seconds.map(150.0), 340.0);
    EXPECT_DOUBLE_EQ(seconds.invert(340.0), 150.0);
    // A y axis: paint runs upwards as the value grows.
    const ScaleMap absorbance(400.0, 100.0, 0.0, 3.0);
    EXPECT_DOUBLE_EQ(absorbance.map(1.0), 300.0);
    EXPECT_DOUBLE_EQ(absorbance.invert(100.0), 3.0);
    const ScaleMap flat(0.0, 100.0, 5.0, 5.0);
    EXPECT_DOUBLE_EQ(flat.map(7.0), 0.0) << "a degenerate range draws on one line";
    EXPECT_DOUBLE_EQ(flat.invert(60.0), 5.0) << "and reads back as its value, not as a division by zero";
}

} // namespace
} // namespace spectavo::scan
