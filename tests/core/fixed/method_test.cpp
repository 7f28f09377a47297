// The fixed points method without its page: defaults, the exchange between controls and record, the
// count and concentration rules, and the keys of a saved method.

#include <gtest/gtest.h>

#include "core/config/profilefile.h"
#include "core/fixed/methodform.h"
#include "support/tempdir.h"

namespace spectavo::fixed {
namespace {

class MethodFormTest : public ::testing::Test {
protected:
    MethodFormTest() {
        form.setRange({190.0, 1100.0});
        form.initialise();
    }
    // A first start: no configuration file.
    void loadFirstStart() {
        ProfileFile missing(dir.file("none.ini"), false);
        form.load(missing);
    }
    MethodControls &controls() { return form.controls(); }

    test::TempDir dir;
    MethodForm form;
};

TEST_F(MethodFormTest, AFirstStartShowsTheDefaultsWithUnusedCoefficientsAtZero) {
    loadFirstStart();
    const FixedMethodRecord &record = form.record();
    EXPECT_EQ(record.methodIndex, 0);
    EXPECT_EQ(record.reference, 0);
    EXPECT_EQ(record.unit, "ug/ml");
    EXPECT_EQ(record.count, 1);
    EXPECT_EQ(record.concentration, 1);
    for (float wavelength : record.wavelengths)
        EXPECT_FLOAT_EQ(wavelength, 260.0f);
    EXPECT_EQ(controls().wavelengths[19], "260");
    EXPECT_FLOAT_EQ(record.coefficients[0], 1.0f);
    EXPECT_FLOAT_EQ(record.coefficients[1], 1.0f);
    // A linear fit has no K2 or K3: they read 0 and take no input.
    EXPECT_EQ(controls().coefficients[2], "0");
    EXPECT_EQ(controls().coefficients[3], "0");
    EXPECT_EQ(controls().coefficientEnabled, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_TRUE(controls().wavelengthEnabled[0]);
    EXPECT_FALSE(controls().wavelengthEnabled[1]);
    EXPECT_EQ(controls().pictureCount, 1);
    EXPECT_EQ(record.valid, 1);
}

TEST_F(MethodFormTest, ACountOutsideOneToTwentyIsRefusedAndBecomesOne) {
    loadFirstStart();
    controls().count = "21";
    const auto problem = form.countChanged();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, FieldProblem::Count);
    EXPECT_EQ(problem->message, "Enter an integer between 1 and 20.");
    EXPECT_EQ(form.record().count, 1);
    EXPECT_EQ(controls().count, "1");

    controls().count = "abc";
    EXPECT_TRUE(form.countChanged());
    EXPECT_EQ(form.record().count, 1);
}

TEST_F(MethodFormTest, FourWavelengthsSwitchConcentrationsOffAndThreeDoNotSwitchThemBackOn) {
    loadFirstStart();
    controls().count = "4";
    EXPECT_FALSE(form.countChanged());
    EXPECT_EQ(form.record().concentration, 0);
    EXPECT_FALSE(controls().concentration);
    EXPECT_FALSE(controls().concentrationEnabled);
    EXPECT_FALSE(controls().unitEnabled);
    EXPECT_EQ(controls().pictureCount, 0);
    EXPECT_TRUE(controls().wavelengthEnabled[3]);
    EXPECT_FALSE(controls().wavelengthEnabled[4]);
    // Without concentrations no coefficient is in use.
    EXPECT_EQ(controls().coefficientEnabled, (std::array<bool, 4>{false, false, false, false}));

    controls().count = "3";
    EXPECT_FALSE(form.countChanged());
    EXPECT_TRUE(controls().concentrationEnabled);
    EXPECT_FALSE(controls().concentration);
    EXPECT_EQ(form.record().concentration, 0);
    EXPECT_EQ(controls().pictureCount, 3);
}

TEST_F(MethodFormTest, ConcentrationsOffUncheckTheStandardsAndCubicFitFreesAllCoefficients) {
    loadFirstStart();
    controls().reference = true;
    controls().methodIndex = 2;
    EXPECT_FALSE(form.methodChanged());
    EXPECT_EQ(controls().coefficientEnabled, (std::array<bool, 4>{true, true, true, true}));
    controls().concentration = false;
    EXPECT_FALSE(form.concentrationSwitched());
    EXPECT_FALSE(controls().reference);
    EXPECT_EQ(form.record().reference, 0);
    EXPECT_FALSE(controls().referenceEnabled);
    EXPECT_FALSE(controls().fitEnabled);
    EXPECT_EQ(form.record().coefficients[3], 0.0f);
}

// The fields show six digits; a field the operator left alone must not cut the fit to them.
TEST_F(MethodFormTest, OnlyATypedCoefficientReplacesTheCalibration) {
    loadFirstStart();
    form.record().coefficients = {0.0123456789f, 80.12345678f, 0.0f, 0.0f};
    form.record().calibrationSource = CalibrationSource::Standards;
    form.show();
    EXPECT_EQ(controls().coefficients[1], "80.1235");
    EXPECT_FALSE(form.take());
    EXPECT_EQ(form.record().coefficients[1], 80.12345678f);
    EXPECT_EQ(form.record().calibrationSource, CalibrationSource::Standards);

    controls().coefficients[1] = "80.5";
    EXPECT_FALSE(form.take());
    EXPECT_EQ(form.record().coefficients[1], 80.5f);
    EXPECT_EQ(form.record().coefficients[0], 0.0123456789f);
    EXPECT_EQ(form.record().calibrationSource, CalibrationSource::Typed);

    controls().coefficients[0] = "x";
    const auto problem = form.take();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, FieldProblem::Coefficient);
}

TEST_F(MethodFormTest, AnOutOfRangeWavelengthInvalidatesTheMethodEvenBeyondTheCount) {
    loadFirstStart();
    controls().wavelengths[7] = "150";
    const auto problem = form.take();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, FieldProblem::Wavelength);
    EXPECT_EQ(problem->index, 7);
    EXPECT_EQ(problem->message, "Enter a number between 190 and 1100.");
    EXPECT_EQ(form.record().valid, 0);
    // Showing a record with such a value marks it invalid too, without a message.
    form.record().wavelengths[7] = 1200.0f;
    form.show();
    EXPECT_EQ(form.record().valid, 0);
    form.record().wavelengths[7] = 500.0f;
    form.show();
    EXPECT_EQ(form.record().valid, 1);
}

TEST_F(MethodFormTest, AMethodIndexNoListHasBecomesTheNearestOne) {
    test::writeBytes(dir.file("edited.ini"), "[Setup]\nMethod=2147483647\n");
    const ProfileFile edited(dir.file("edited.ini"), false);
    form.load(edited);
    EXPECT_EQ(form.record().methodIndex, 2);
    EXPECT_EQ(form.controls().coefficientEnabled, (std::array<bool, 4>{true, true, true, true}));
    FixedMethodRecord validity(MethodKind::Validity);
    test::writeBytes(dir.file("edited.ini"), "[Setup]\nMethod=-5\n");
    validity.load(edited);
    EXPECT_EQ(validity.methodIndex, 0);
}

TEST_F(MethodFormTest, LoadingClearsTheBlanks) {
    loadFirstStart();
    form.record().blanks[0] = 0.25f;
    form.record().blanks[19] = 0.5f;
    loadFirstStart();
    for (float blank : form.record().blanks)
        EXPECT_EQ(blank, 0.0f);
}

TEST_F(MethodFormTest, ACountOfTwoWritesAndReloadsEveryWavelengthField) {
    loadFirstStart();
    controls().count = "2";
    for (int i = 0; i < 20; ++i)
        controls().wavelengths[static_cast<std::size_t>(i)] = std::to_string(300 + 10 * i);
    controls().unit = "mg/l";
    ProfileFile file(dir.file("method.ini"), false);
    EXPECT_FALSE(form.take());
    form.record().save(file);
    EXPECT_EQ(file.GetInt("Wavelength", "Num", 0), 2);
    EXPECT_EQ(file.GetString("Wavelength", "WL20", ""), "490.000000");
    EXPECT_EQ(file.GetString("Params", "K1", ""), "1.000000");
    EXPECT_EQ(file.GetString("Setup", "Unit", ""), "mg/l");
    EXPECT_EQ(file.GetString("Setup", "Concentration", ""), "1");

    MethodForm reloaded;
    reloaded.setRange({190.0, 1100.0});
    reloaded.initialise();
    reloaded.load(file);
    EXPECT_EQ(reloaded.record().count, 2);
    EXPECT_FLOAT_EQ(reloaded.record().wavelengths[19], 490.0f);
    EXPECT_EQ(reloaded.controls().wavelengths[12], "420");
    EXPECT_FALSE(reloaded.controls().wavelengthEnabled[12]);
    EXPECT_EQ(reloaded.record().unit, "mg/l");
}

} // namespace
} // namespace spectavo::fixed

namespace spectavo::fixed {
namespace {

// A hand-edited count no method can have makes the method invalid, whatever reads it.
TEST(MethodCount, ACountOutsideOneToTheCapacityIsAnInvalidMethod) {
    for (const auto &[kind, capacity] :
         {std::pair{MethodKind::FixedPoints, 20}, std::pair{MethodKind::Validity, 10}}) {
        for (const int count : {0, -3, capacity + 1, 2147483647}) {
            FixedMethodRecord method(kind);
            method.count = count;
            ASSERT_TRUE(method.countProblem()) << count;
            EXPECT_EQ(*method.countProblem(), "The method's wavelength count " + std::to_string(count) +
                                                  " is outside 1 to " + std::to_string(capacity) + ".");
        }
        FixedMethodRecord method(kind);
        method.count = capacity;
        EXPECT_FALSE(method.countProblem());
    }
}

} // namespace
} // namespace spectavo::fixed
