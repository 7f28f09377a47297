// Instrument validity: the scan points of the wavelength test, the peak, the table and its judging.

#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "core/fixed/methodform.h"
#include "core/fixed/validity.h"

namespace spectavo::fixed {
namespace {

TEST(ValidityScanPoints, TwentyOneWholeTenthsWithoutAGapOrARepeat) {
    for (float nominal : {656.1f, 536.4f, 450.8f}) {
        const auto tenths = scanPointTenths(nominal);
        const auto centre = static_cast<std::uint32_t>(std::lround(nominal * 10.0));
        EXPECT_EQ(tenths.front(), centre + 10) << nominal;
        EXPECT_EQ(tenths.back(), centre - 10) << nominal;
        for (std::size_t k = 1; k < tenths.size(); ++k)
            EXPECT_EQ(tenths[k - 1] - tenths[k], 1u) << nominal << " at " << k;
        EXPECT_EQ(std::set<std::uint32_t>(tenths.begin(), tenths.end()).size(), 21u);
    }
}

TEST(ValidityPeak, TheFirstOfEqualHighestReadings) {
    const float readings[] = {0.1f, 0.5f, 0.3f, 0.5f};
    EXPECT_EQ(highestPoint(readings), 1);
    const float low[] = {-2000.0f};
    EXPECT_EQ(highestPoint(low), -1) << "below the starting value nothing is found";
}

class ValidityTableTest : public ::testing::Test {
protected:
    ValidityTableTest() {
        method.count = 2;
        method.wavelengths[0] = 656.1f;
        method.wavelengths[1] = 486.0f;
        data.standards = {1.0f, 0.5f};
    }
    FixedMethodRecord method{MethodKind::Validity};
    ValidityData data;
    SampleTable table;
    int lastTest = -1;
};

TEST_F(ValidityTableTest, TheWavelengthTestAt6561WithThePeakAtPointNinePasses) {
    method.methodIndex = kWavelengthTest;
    layoutValidityTable(table, method, data, true, lastTest);
    EXPECT_EQ(table.grid().rowTexts(0), (std::vector<std::string>{"Wavelength", "Peak Detected",
                                                                  "Abs(Detected)", "Difference", "Result"}));
    const auto tenths = scanPointTenths(656.1f);
    writeWavelengthRow(table, 0, 6561, tenths[9], 0.8123f, true);
    judgeRows(table, 2, kWavelengthTest, 0.1f);
    EXPECT_EQ(table.grid().rowTexts(1),
              (std::vector<std::string>{"656.1nm", "656.2nm", "0.8123", "0.1nm", "Pass"}));
    EXPECT_EQ(table.grid().text(2, 4), "") << "a row not measured is not judged";
    EXPECT_EQ(table.rowCount(), 0) << "the rows come from the method";
    judgeRows(table, 2, kWavelengthTest, 0.0f); // 0.1 is not below 0.05
    EXPECT_EQ(table.grid().text(1, 4), "Fail");
}

TEST_F(ValidityTableTest, PhotometricRowsAreJudgedAsTheyAreShown) {
    layoutValidityTable(table, method, data, true, lastTest);
    EXPECT_EQ(table.grid().rowTexts(0),
              (std::vector<std::string>{"Wavelength", "Abs(Std.)", "Abs(Detected)", "Difference", "Result"}));
    EXPECT_EQ(table.grid().text(1, 1), "1.0000");
    const float readings[] = {1.0040f, 0.5060f};
    writePhotometricRows(table, readings, data, true);
    judgeRows(table, 2, kPhotometricTest, 0.005f);
    EXPECT_EQ(table.grid().rowTexts(1),
              (std::vector<std::string>{"656.1nm", "1.0000", "1.0040", "0.0040", "Pass"}));
    EXPECT_EQ(table.grid().text(2, 4), "Fail");
    // A reading shown as 1.0050 is judged as 1.0050, when measured and when judged again.
    const float edge[] = {1.00504f, 0.5f};
    writePhotometricRows(table, edge, data, true);
    judgeRows(table, 2, kPhotometricTest, 0.005f);
    EXPECT_EQ(table.grid().text(1, 4), "Fail");
    judgeRows(table, 2, kPhotometricTest, 0.0f);
    EXPECT_EQ(table.grid().text(2, 4), "Fail") << "tolerance 0 fails a difference of 0 as well";
}

// One failed row fails the whole test; nothing judged yet is no verdict, not a pass.
TEST_F(ValidityTableTest, TheOverallVerdictFailsWithAnyRowAndStatesItsTolerance) {
    layoutValidityTable(table, method, data, true, lastTest);
    EXPECT_EQ(overallVerdict(table, 2), "") << "nothing measured";
    const float readings[] = {1.0040f, 0.5010f};
    writePhotometricRows(table, readings, data, true);
    judgeRows(table, 2, kPhotometricTest, 0.005f);
    EXPECT_EQ(overallVerdict(table, 2), "Pass");
    EXPECT_EQ(overallVerdict(table, 1), "Pass");
    judgeRows(table, 2, kPhotometricTest, 0.002f); // the first row's 0.0040 is now too far
    EXPECT_EQ(table.grid().text(2, 4), "Pass");
    EXPECT_EQ(overallVerdict(table, 2), "Fail");
    EXPECT_EQ(overallVerdict(table, 99), "Fail") << "a count past the table reads its rows only";

    EXPECT_EQ(toleranceText(kPhotometricTest, 0.005f, true), "0.005 Abs");
    EXPECT_EQ(toleranceText(kPhotometricTest, -0.5f, false), "0.5 %T") << "a tolerance is a distance";
    EXPECT_EQ(toleranceText(kWavelengthTest, 0.3f, true), "0.3 nm");
}

TEST_F(ValidityTableTest, TransmittanceComparesTheStandardsAsTypedAndSwitchingTheTestEmptiesResults) {
    data.standards = {50.0f, 10.0f};
    layoutValidityTable(table, method, data, false, lastTest);
    EXPECT_EQ(table.grid().text(0, 1), "T%(Std.)");
    const float readings[] = {0.30103f, 1.0f}; // 50.00 % and 10.00 %
    writePhotometricRows(table, readings, data, false);
    judgeRows(table, 2, kPhotometricTest, 0.5f);
    EXPECT_EQ(table.grid().rowTexts(1),
              (std::vector<std::string>{"656.1nm", "50.0000", "50.00", "0.00", "Pass"}));
    method.methodIndex = kWavelengthTest;
    layoutValidityTable(table, method, data, false, lastTest);
    EXPECT_EQ(table.grid().text(1, 1), "");
    EXPECT_EQ(table.grid().text(1, 2), "");
    EXPECT_EQ(table.grid().text(1, 4), "");
}

TEST(ValidityMethodForm, CountUpToTenAndElevenBecomesOne) {
    MethodForm form(MethodKind::Validity);
    form.setRange({190, 1100});
    form.initialise();
    form.show();
    form.controls().count = "11";
    const auto problem = form.countChanged();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message, "Enter an integer between 1 and 10.");
    EXPECT_EQ(form.record().count, 1);
    form.controls().count = "10";
    EXPECT_FALSE(form.countChanged());
    EXPECT_TRUE(form.controls().wavelengthEnabled[9]);
    EXPECT_FALSE(form.controls().wavelengthEnabled[10]);
}

// The arrows stop at the ends; a count typed as garbage steps from 0.
TEST(ValidityMethodForm, TheCountArrowsStayWithinOneAndTen) {
    MethodForm form(MethodKind::Validity);
    form.setRange({190, 1100});
    form.initialise();
    form.show();
    form.controls().count = "10";
    EXPECT_FALSE(form.stepCount(1));
    EXPECT_EQ(form.record().count, 10);
    form.controls().count = "1";
    form.stepCount(-1);
    EXPECT_EQ(form.controls().count, "1");
    form.controls().count = "x";
    form.stepCount(1);
    EXPECT_EQ(form.record().count, 1);
    form.stepCount(1);
    EXPECT_EQ(form.record().count, 2);
    EXPECT_TRUE(form.controls().wavelengthEnabled[1]);
}

// A standard field in use refuses anything but a number; one not in use keeps its value.
TEST(ValidityStandards, AFieldInUseMustHoldANumberAndNothingElse) {
    ValidityData data;
    data.standards.fill(1.0f);
    std::array<std::string, kValidityWavelengths> texts;
    texts.fill("0.5");
    texts[2] = "0.25abs";
    texts[4] = "";
    std::array<bool, kValidityWavelengths> inUse{};
    inUse.fill(false);
    inUse[0] = inUse[1] = inUse[2] = true;
    EXPECT_EQ(data.takeStandards(texts, inUse), std::optional<std::size_t>(2));
    EXPECT_EQ(data.standards[1], 0.5f) << "the fields before the refused one are taken";
    EXPECT_EQ(data.standards[3], 1.0f) << "nothing after it";
    texts[2] = "0.25";
    EXPECT_EQ(data.takeStandards(texts, inUse), std::nullopt);
    EXPECT_EQ(data.standards[2], 0.25f);
    EXPECT_EQ(data.standards[4], 1.0f) << "an empty field not in use keeps its value";
    EXPECT_EQ(data.standards[5], 0.5f);
}

} // namespace
} // namespace spectavo::fixed
