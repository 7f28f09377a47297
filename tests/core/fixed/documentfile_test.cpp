// Fixed-wavelength document files: the stored text byte for byte, what a save leaves standing, what a
// load reads back and how it treats files it did not write.

#include <gtest/gtest.h>

#include "core/fixed/storeddocument.h"
#include "support/tempdir.h"

namespace spectavo::fixed {
namespace {

// Two wavelengths, three standards, two samples: a calibration the operator has measured and fitted.
StoredDocument chromiumDocument() {
    StoredDocument document(MethodKind::FixedPoints);
    FixedMethodRecord &method = document.method();
    method.count = 2;
    method.wavelengths[0] = 450.0f;
    method.wavelengths[1] = 550.0f;
    method.reference = 1;
    method.unit = "mg/L";
    method.coefficients = {0.1f, 2.0f, 0.0f, 0.0f};
    method.correlation = 0.999f;
    method.calibrationSource = CalibrationSource::Standards;
    document.curve().unit = "mg/L";
    ReportTexts &report = document.report();
    report.title = "Chromium";
    report.sampleTitle = "Samples";
    report.standardTitle = "Standards";
    report.footnote = "Lab 3";
    report.dateTime = "December 09 10:00:00 2026";
    report.memo = "one\r\ntwo";
    const DocumentParts parts = document.parts();
    parts.layout(document.standards(), true);
    parts.layout(document.samples(), true);
    for (int row = 0; row < 3; ++row) {
        const float step = static_cast<float>(row + 1);
        document.standards().writeMeasuredRow(row, document.standards().defaultName(row),
                                              std::vector<float>{0.05f * step, 0.07f * step}, true);
        document.standards().grid().setText(row + 1, 3, row == 0 ? "0.0500" : row == 1 ? "0.1000" : "0.1500");
        document.standards().grid().setText(row + 1, 4, row == 0 ? "0.5000" : row == 1 ? "1.0000" : "1.5000");
    }
    for (int row = 0; row < 2; ++row)
        document.samples().writeMeasuredRow(row, "Well " + std::to_string(row + 1),
                                            std::vector<float>{0.5f, 0.6f}, true);
    return document;
}

constexpr const char *kChromiumFile =
    "[Setup]\nMethod=0\nReference=1\nUnit=mg/L\nConcentration=1\n"
    "[Params]\nK1=0.100000\nK2=2.000000\nK3=0.000000\nK4=0.000000\nr=0.999000\nCalibration=standards\n"
    "[Wavelength]\nNum=2\nWL1=450.000000\nWL2=550.000000\nWL3=260.000000\nWL4=260.000000\n"
    "WL5=260.000000\nWL6=260.000000\nWL7=260.000000\nWL8=260.000000\nWL9=260.000000\nWL10=260.000000\n"
    "WL11=260.000000\nWL12=260.000000\nWL13=260.000000\nWL14=260.000000\nWL15=260.000000\n"
    "WL16=260.000000\nWL17=260.000000\nWL18=260.000000\nWL19=260.000000\nWL20=260.000000\n"
    "[Report]\nTitle=Chromium\nSampleTitle=Samples\nFootNotes=Lab 3\nTime=December 09 10:00:00 2026\n"
    "Memo=one\x02\x01two\n"
    "[memo]\nStandardTitle=Standards\n"
    "[Standard]\nRows=3\nCols=5\n"
    "R1C0=Standard-1\nR1C1=0.0500\nR1C2=0.0700\nR1C3=0.0500\nR1C4=0.5000\n"
    "R2C0=Standard-2\nR2C1=0.1000\nR2C2=0.1400\nR2C3=0.1000\nR2C4=1.0000\n"
    "R3C0=Standard-3\nR3C1=0.1500\nR3C2=0.2100\nR3C3=0.1500\nR3C4=1.5000\n"
    "[Sample]\nRows=2\nCols=5\n"
    "R1C0=Well 1\nR1C1=0.5000\nR1C2=0.6000\nR1C3=\nR1C4=\n"
    "R2C0=Well 2\nR2C1=0.5000\nR2C2=0.6000\nR2C3=\nR2C4=\n"
    "[Curve]\nCurveTitle=Fit Curve\nShowParameter=1\nShowStandard=1\nShowSample=1\nAutoTip=1\nShowTitle=1\n"
    "ShowX=1\nShowY=1\nXmin=0\nXmax=3\nYmin=0\nYmax=1.0\nXstep=0.1\nYstep=0.1\nX=Concentration\nY=Abs\n";

class DocumentFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(DocumentFileTest, AFixedPointsDocumentIsStoredByteForByte) {
    StoredDocument document = chromiumDocument();
    document.standards().setModified(true);
    ASSERT_TRUE(document.save(dir.file("cr.qua"), false));
    EXPECT_EQ(test::readBytes(dir.file("cr.qua")), kChromiumFile);
    EXPECT_FALSE(document.standards().modified()) << "a saved table is no longer unsaved";
}

TEST_F(DocumentFileTest, LoadingGivesBackEveryPageAsStored) {
    test::writeBytes(dir.file("cr.qua"), kChromiumFile);
    StoredDocument document(MethodKind::FixedPoints);
    document.samples().setModified(true);
    EXPECT_FALSE(document.load(dir.file("cr.qua"), false).rowsCut);
    EXPECT_EQ(document.method().count, 2);
    EXPECT_FLOAT_EQ(document.method().wavelengths[1], 550.0f);
    EXPECT_FLOAT_EQ(document.method().coefficients[1], 2.0f);
    EXPECT_FLOAT_EQ(document.method().correlation, 0.999f);
    EXPECT_EQ(document.report().memo, "one\r\ntwo");
    EXPECT_EQ(document.report().standardTitle, "Standards");
    EXPECT_EQ(document.report().dateTime, "December 09 10:00:00 2026");
    EXPECT_EQ(document.standards().rowCount(), 3);
    EXPECT_EQ(document.samples().rowCount(), 2);
    EXPECT_EQ(document.samples().grid().text(2, 0), "Well 2");
    EXPECT_EQ(document.samples().grid().text(0, 4), "mg/L") << "the concentration column under the unit";
    EXPECT_FALSE(document.samples().modified());
    // What a load reads, a save writes again unchanged.
    ASSERT_TRUE(document.save(dir.file("again.qua"), false));
    EXPECT_EQ(test::readBytes(dir.file("again.qua")), kChromiumFile);
}

// The method's unit heads the concentrations unless the display settings name one of their own; the
// document keeps the unit it showed, so a reopened method still says mg/L.
TEST_F(DocumentFileTest, TheConcentrationUnitIsTheMethodsUnlessTheDisplayNamesAnother) {
    EXPECT_EQ(concentrationUnit("mg/L", "%"), "mg/L") << "the display default names no unit";
    EXPECT_EQ(concentrationUnit("mg/L", ""), "mg/L");
    EXPECT_EQ(concentrationUnit("mg/L", "g/L"), "g/L");
    EXPECT_EQ(concentrationUnit("", "%"), "%");

    StoredDocument document = chromiumDocument();
    document.curve().unit = CurveSettings::kDefaultUnit;
    document.parts().layout(document.samples(), false);
    EXPECT_EQ(document.samples().grid().text(0, 4), "mg/L");
    ASSERT_TRUE(document.save(dir.file("unit.qua"), false));
    EXPECT_NE(test::readBytes(dir.file("unit.qua")).find("Unit=mg/L\n"), std::string::npos);
    StoredDocument loaded(MethodKind::FixedPoints);
    ASSERT_TRUE(loaded.load(dir.file("unit.qua"), false).read);
    EXPECT_EQ(loaded.method().unit, "mg/L") << "the method's unit survives the display default";
}

// A cubic fit's K3 of 1.2e-5 lost to six decimals would change every concentration after a reopen.
TEST_F(DocumentFileTest, TheCalibrationComesBackExactlyWithItsSource) {
    StoredDocument document = chromiumDocument();
    document.method().coefficients = {0.1f, 2.000001f, -3.25e-4f, 1.2345678e-5f};
    document.method().calibrationSource = CalibrationSource::Typed;
    ASSERT_TRUE(document.save(dir.file("k.qua"), false));
    const std::string text = test::readBytes(dir.file("k.qua"));
    EXPECT_NE(text.find("K1=0.100000\n"), std::string::npos) << "six decimals where they suffice";
    EXPECT_NE(text.find("K4=1.23456784e-05\n"), std::string::npos);
    EXPECT_NE(text.find("Calibration=typed\n"), std::string::npos);
    StoredDocument loaded(MethodKind::FixedPoints);
    ASSERT_TRUE(loaded.load(dir.file("k.qua"), false).read);
    EXPECT_EQ(loaded.method().coefficients, document.method().coefficients);
    EXPECT_EQ(loaded.method().calibrationSource, CalibrationSource::Typed);

    // Written before the source was kept: a method with standards was fitted from them.
    std::string old = text;
    old.erase(old.find("Calibration=typed\n"), 18);
    test::writeBytes(dir.file("old.qua"), old);
    ASSERT_TRUE(loaded.load(dir.file("old.qua"), false).read);
    EXPECT_EQ(loaded.method().calibrationSource, CalibrationSource::Standards);
}

TEST_F(DocumentFileTest, TheDisplayUnitIsWrittenLastAndIsTheMethodsUnitOnLoad) {
    StoredDocument document = chromiumDocument();
    document.curve().unit = "ppm";
    ASSERT_TRUE(document.save(dir.file("cr.qua"), false));
    StoredDocument loaded(MethodKind::FixedPoints);
    loaded.load(dir.file("cr.qua"), false);
    EXPECT_EQ(loaded.method().unit, "ppm");
    EXPECT_EQ(loaded.curve().unit, "ppm");
}

TEST_F(DocumentFileTest, CellsComeBackAsTextAndOldRowsAreNotReadBack) {
    StoredDocument document = chromiumDocument();
    document.samples().grid().setText(1, 1, "0.50");
    document.samples().grid().setText(1, 2, "n/a");
    for (int row = 2; row < 6; ++row)
        document.samples().writeMeasuredRow(row, "", std::vector<float>{0.1f, 0.2f}, true);
    ASSERT_TRUE(document.save(dir.file("cr.qua"), false));
    // Saving fewer rows over the file leaves the old rows' keys where they were.
    document.samples().deleteRows(3, 6);
    ASSERT_EQ(document.samples().rowCount(), 2);
    ASSERT_TRUE(document.save(dir.file("cr.qua"), false));
    const std::string text = test::readBytes(dir.file("cr.qua"));
    EXPECT_NE(text.find("R6C1=0.1000"), std::string::npos);
    EXPECT_NE(text.find("[Sample]\nRows=2\n"), std::string::npos);

    StoredDocument loaded(MethodKind::FixedPoints);
    loaded.load(dir.file("cr.qua"), false);
    EXPECT_EQ(loaded.samples().rowCount(), 2);
    EXPECT_EQ(loaded.samples().grid().text(1, 1), "0.50") << "never reformatted";
    EXPECT_EQ(loaded.samples().grid().text(1, 2), "n/a");
    EXPECT_EQ(loaded.samples().grid().text(3, 1), "") << "a row beyond Rows is not read";
    EXPECT_EQ(loaded.samples().grid().text(3, 0), "Sample-3") << "it keeps its default name";
}

TEST_F(DocumentFileTest, MethodOnlyFilesLeaveOutTheSampleTable) {
    StoredDocument document = chromiumDocument();
    ASSERT_TRUE(document.save(dir.file("cr.qm"), true));
    const std::string text = test::readBytes(dir.file("cr.qm"));
    EXPECT_EQ(text.find("[Sample]"), std::string::npos);
    EXPECT_NE(text.find("[Standard]"), std::string::npos) << "the standards belong to the method";

    // Without the box the sample table is read, and the file has none: it becomes empty.
    StoredDocument withSamples = chromiumDocument();
    withSamples.load(dir.file("cr.qm"), false);
    EXPECT_EQ(withSamples.samples().rowCount(), 0);
    EXPECT_EQ(withSamples.standards().rowCount(), 3);
    // With the box the samples on screen stay.
    StoredDocument kept = chromiumDocument();
    kept.load(dir.file("cr.qm"), true);
    EXPECT_EQ(kept.samples().rowCount(), 2);
    EXPECT_EQ(kept.samples().grid().text(1, 0), "Well 1");
}

TEST_F(DocumentFileTest, AFileOfMoreRowsThanATableHoldsLoadsTheFirst200) {
    std::string text = "[Wavelength]\nNum=1\n[Sample]\nRows=250\nCols=2\n";
    for (int row = 1; row <= 250; ++row)
        text += "R" + std::to_string(row) + "C0=S" + std::to_string(row) + "\nR" + std::to_string(row) +
                "C1=0." + std::to_string(row) + "\n";
    test::writeBytes(dir.file("big.qua"), text);
    StoredDocument document(MethodKind::FixedPoints);
    document.method().concentration = 0;
    EXPECT_TRUE(document.load(dir.file("big.qua"), false).rowsCut);
    EXPECT_EQ(document.samples().rowCount(), 200);
    EXPECT_EQ(document.samples().grid().text(200, 0), "S200");
    EXPECT_EQ(document.samples().grid().rows(), SampleTable::kRows + 1) << "nothing written past the table";

    test::writeBytes(dir.file("negative.qua"), "[Sample]\nRows=-5\n");
    EXPECT_FALSE(document.load(dir.file("negative.qua"), false).rowsCut);
    EXPECT_EQ(document.samples().rowCount(), 0);
}

TEST_F(DocumentFileTest, TheReportDateFromDateAndTime) {
    StoredDocument document(MethodKind::DnaProtein);
    test::writeBytes(dir.file("a.dna"), "[Report]\nTime=10:00\n");
    document.load(dir.file("a.dna"), false);
    EXPECT_EQ(document.report().dateTime, "10:00");
    test::writeBytes(dir.file("b.dna"), "[Report]\nDate=2026/12/09\nTime=10:00\n");
    document.load(dir.file("b.dna"), false);
    EXPECT_EQ(document.report().dateTime, "2026/12/09 10:00");
    test::writeBytes(dir.file("c.dna"), "[Setup]\nMethod=1\n");
    document.load(dir.file("c.dna"), false);
    EXPECT_EQ(document.report().dateTime, "2000/10/20 20:20");
    EXPECT_EQ(document.report().title, "") << "a missing key is empty, not the configuration's default";
    EXPECT_EQ(document.method().methodIndex, 1);
}

TEST_F(DocumentFileTest, TheValidityTableStoresOneRowPerTestWavelength) {
    StoredDocument document(MethodKind::Validity);
    document.method().count = 3;
    document.parts().layout(document.samples(), false);
    document.samples().grid().setText(2, 2, "0.8650");
    ASSERT_TRUE(document.save(dir.file("v.val"), false));
    const std::string text = test::readBytes(dir.file("v.val"));
    EXPECT_NE(text.find("[Sample]\nRows=3\nCols=5\n"), std::string::npos);
    EXPECT_EQ(text.find("R4C0="), std::string::npos);
    EXPECT_EQ(text.find("WL11"), std::string::npos) << "ten wavelength fields";

    StoredDocument loaded(MethodKind::Validity);
    loaded.load(dir.file("v.val"), false);
    EXPECT_EQ(loaded.samples().grid().text(2, 2), "0.8650");
    EXPECT_EQ(loaded.samples().grid().text(1, 0), "260.0nm");
}

TEST(DocumentFileKindTest, ExtensionsInAnyCase) {
    EXPECT_EQ(documentFileKind("a.qua")->kind, MethodKind::FixedPoints);
    EXPECT_TRUE(documentFileKind("/x/A.Qm")->methodOnly);
    EXPECT_EQ(documentFileKind("b.DM")->kind, MethodKind::DnaProtein);
    EXPECT_EQ(documentFileKind("c.vAl")->kind, MethodKind::Validity);
    EXPECT_FALSE(documentFileKind("d.sca"));
    EXPECT_FALSE(documentFileKind("qua"));
}

} // namespace
} // namespace spectavo::fixed
