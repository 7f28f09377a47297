// DNA/protein: the results of a sample, the method list of the configuration file, the method page's
// reference rule and the table layout.

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/fixed/dna.h"
#include "core/fixed/methodform.h"
#include "support/tempdir.h"

namespace spectavo::fixed {
namespace {

TEST(DnaResultsTest, WithoutAndWithTheReference) {
    const std::array<float, 4> factors{2.0f, 1.0f, 3.0f, 1.0f};
    const float two[] = {1.0f, 0.5f};
    const DnaResults plain = dnaResults(two, factors);
    EXPECT_FLOAT_EQ(plain.dna, 1.5f);
    EXPECT_FLOAT_EQ(plain.protein, 0.5f);
    EXPECT_FLOAT_EQ(plain.ratio, 2.0f);
    const float three[] = {1.0f, 0.5f, 0.1f};
    const DnaResults corrected = dnaResults(three, factors);
    EXPECT_NEAR(corrected.ratio, 2.25f, 1e-6); // 0.9 / 0.4
    EXPECT_NEAR(corrected.dna, 2 * 0.9f - 0.4f, 1e-6);
    const float flat[] = {0.3f, 0.1f, 0.1f};
    EXPECT_EQ(dnaResults(flat, factors).ratio, 0.0f) << "no absorbance left at lambda 2";
}

class DnaConfigurationTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(DnaConfigurationTest, TheMethodListAndAMissingSection) {
    test::writeBytes(dir.file("dna.ini"),
                     "[Method]\nNum=2\n[Method 1]\nName=dsDNA\nf1=50\nWL1=260\nWL2=280\nWL3=320\n"
                     "[Result]\nName1=DNA\nName3=Ratio\n");
    const ProfileFile file(dir.file("dna.ini"), false);
    const DnaMethodList list = DnaMethodList::read(file);
    EXPECT_EQ(list.names, (std::vector<std::string>{"dsDNA", "Method"}));
    EXPECT_EQ(list.resultNames, (std::array<std::string, 3>{"DNA", "C-DNA", "Ratio"}));
    FixedMethodRecord method(MethodKind::DnaProtein);
    applyDnaMethod(file, 0, method);
    EXPECT_FLOAT_EQ(method.coefficients[0], 50.0f);
    EXPECT_FLOAT_EQ(method.coefficients[1], 1.0f);
    EXPECT_FLOAT_EQ(method.wavelengths[2], 320.0f);
    applyDnaMethod(file, 5, method);
    EXPECT_FLOAT_EQ(method.coefficients[0], 1.0f);
    EXPECT_FLOAT_EQ(method.wavelengths[0], 260.0f);

    const ProfileFile none(dir.file("none.ini"), false);
    EXPECT_EQ(DnaMethodList::read(none).resultNames, (std::array<std::string, 3>{"C-DNA", "C-DNA", "C-DNA"}));
    EXPECT_TRUE(DnaMethodList::read(none).names.empty());
}

TEST(DnaMethodForm, TheReferenceSetsTheCountAndClearsTheBlanks) {
    MethodForm form(MethodKind::DnaProtein);
    form.setRange({190, 1100});
    form.initialise();
    form.record().wavelengths = {260.0f, 280.0f, 320.0f};
    form.record().blanks[0] = 0.2f;
    form.show();
    form.controls().reference = true;
    EXPECT_FALSE(form.referenceChanged());
    EXPECT_EQ(form.record().count, 3);
    EXPECT_EQ(form.record().blanks[0], 0.0f);
    EXPECT_TRUE(form.controls().wavelengthEnabled[2]);
    form.controls().reference = false;
    form.referenceChanged();
    EXPECT_EQ(form.record().count, 2);
    EXPECT_FALSE(form.controls().wavelengthEnabled[2]);
    // Factors are not forced to 0 here: all four are in use.
    form.record().coefficients = {62.9f, 36.0f, 1552.0f, 757.3f};
    form.show();
    EXPECT_EQ(form.controls().coefficients[3], "757.3");
}

// A document or a configured method with a reference shows its third wavelength for editing.
TEST(DnaMethodForm, AMethodLoadedWithAReferenceEnablesTheThirdWavelength) {
    MethodForm form(MethodKind::DnaProtein);
    form.setRange({190, 1100});
    form.initialise();
    form.record().reference = 1;
    form.record().count = 3;
    form.loaded();
    EXPECT_TRUE(form.controls().wavelengthEnabled[2]);
    form.record().reference = 0;
    form.record().count = 2;
    form.loaded();
    EXPECT_TRUE(form.controls().wavelengthEnabled[1]);
    EXPECT_FALSE(form.controls().wavelengthEnabled[2]);
}

TEST(DnaTable, ResultColumnsAfterTheWavelengths) {
    FixedMethodRecord method(MethodKind::DnaProtein);
    method.count = 3;
    method.wavelengths = {260.0f, 280.0f, 320.0f};
    SampleTable table;
    layoutDnaTable(table, method, {"DNA (ug/ml)", "Protein (ug/ml)", "A260/A280"}, true);
    EXPECT_EQ(table.grid().rowTexts(0),
              (std::vector<std::string>{"Sample name", "260.0nm", "280.0nm", "320.0nm", "DNA (ug/ml)",
                                        "Protein (ug/ml)", "A260/A280"}));
    EXPECT_EQ(table.grid().columnWidthTwips(6), 1400);
    EXPECT_EQ(table.grid().columnWidthTwips(5), 1200);
    EXPECT_EQ(table.grid().text(1, 0), "Sample-1");
    const float values[] = {1.0f, 0.5f, 0.1f};
    table.writeMeasuredRow(0, "S", values, true);
    writeDnaResults(table, method, 0, {1.5f, 0.5f, 2.25f});
    EXPECT_EQ(table.grid().rowTexts(1),
              (std::vector<std::string>{"S", "1.0000", "0.5000", "0.1000", "1.5000", "0.5000", "2.2500"}));
    table.switchPhotometricMode(false, 3);
    EXPECT_EQ(table.grid().text(1, 6), "2.2500") << "results are not converted";
}

} // namespace
} // namespace spectavo::fixed
