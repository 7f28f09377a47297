// The instrument validity window on the virtual instrument: the wavelength test on the holmium cell
// (passing, and failing when the instrument's wavelengths are off), the photometric test on the
// dichromate cell, a cancelled test, and the wavelength test's blank calibration.

#include <cmath>
#include <filesystem>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/fixed/fixedframe.h"
#include "app/fixed/validity/validitypages.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/gridcontrol.h"
#include "core/strings/cformat.h"
#include "sim/samples.h"
#include "support/fixedwindows.h"
#include "support/linkeddriver.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

using test::pumpUntil;

class ValidityWindowTest : public test::FixedWindowFixture {
protected:
    // The instrument with its wavelengths off by `offset` nm, and a validity window on it with this
    // method and standards.
    void start(double offset, const std::string &method) {
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"),
                         "[Instrument]\nWavelengthOffset=" + std::to_string(offset) +
                             "\n[Simulation]\nBoot=1\nSpeed=100\n");
        test::writeBytes(dir.file("config/tarvesta.zav.func.glpgmp.ini"), method);
        linkToInstrument();
        show(makeValidityWindow(host()));
    }
    // Start, then wait until the whole test has ended (a photometric readout waits for its OK).
    void runTest() {
        frame->refreshCommands();
        ASSERT_TRUE(frame->action(fixed::kStart)->isEnabled());
        frame->action(fixed::kStart)->trigger();
        ASSERT_TRUE(pumpUntil([&] {
            if (CFixedReadOut *open = readout(); open && open->okButton()->isEnabled())
                open->okButton()->click();
            frame->refreshCommands();
            return readout() == nullptr && frame->action(fixed::kStart)->isEnabled();
        }));
    }
    const grid::GridModel &results() const { return frame->view().SamplePage()->table().grid(); }
    QString verdictLine() const { return frame->view().SamplePage()->findChild<QLabel *>("verdict")->text(); }
    // The colour the table draws a result cell in.
    QColor resultColour(int row) const {
        const QAbstractItemModel *cells = frame->view().SamplePage()->gridControl()->model();
        return cells->index(row - results().fixedRows(), 4 - results().fixedColumns())
            .data(Qt::ForegroundRole)
            .value<QColor>();
    }
    CGlpGmpMethod &method() const { return *dynamic_cast<CGlpGmpMethod *>(frame->view().MethodPage()); }
};

constexpr const char *kHolmiumTest =
    "[Setup]\nMethod=1\n[Params]\nK1=0.1\n[Wavelength]\nNum=2\nWL1=536.4\nWL2=450.8\n";

TEST_F(ValidityWindowTest, TheWavelengthTestOnHolmiumPasses) {
    start(0.0, kHolmiumTest);
    moveToCell(1);
    runTest();
    EXPECT_EQ(results().rowTexts(0), (std::vector<std::string>{"Wavelength", "Peak Detected", "Abs(Detected)",
                                                               "Difference", "Result"}));
    for (int row = 1; row <= 2; ++row) {
        const double nominal = row == 1 ? 536.4 : 450.8;
        const double peak = strings::scanDoubleC(results().text(row, 1));
        EXPECT_NEAR(peak, nominal, 0.1 + 1e-9) << row;
        EXPECT_EQ(results().text(row, 4), "Pass") << row;
    }
    EXPECT_EQ(verdictLine(), "Overall verdict: Pass");
    EXPECT_EQ(resultColour(1), QColor(0, 128, 0)) << "a pass in another colour than a fail";
    EXPECT_FALSE(frame->action(fixed::kExportSample)->isEnabled()) << "the rows come from the method";
    frame->view().SamplePage()->table().setModified(false);
}

TEST_F(ValidityWindowTest, AnInstrumentHalfANanometreOffFailsIt) {
    start(0.5, kHolmiumTest);
    moveToCell(1);
    runTest();
    EXPECT_EQ(results().text(1, 4), "Fail");
    EXPECT_NEAR(strings::scanDoubleC(results().text(1, 3)), -0.5, 0.15);
    EXPECT_EQ(verdictLine(), "Overall verdict: Fail");
    EXPECT_EQ(resultColour(1), QColor(200, 0, 0)) << "a failed row stands out";
    frame->view().SamplePage()->table().setModified(false);
}

TEST_F(ValidityWindowTest, ThePhotometricTestOnDichromatePassesAgainstTheModel) {
    const sim::Sample dichromate = sim::namedSample("dichromate20");
    const double wavelengths[] = {235, 257, 313, 350};
    std::string file = "[Setup]\nMethod=0\n[Params]\nK1=0.01\n[Wavelength]\nNum=4\nWL1=235\nWL2=257\nWL3="
                       "313\nWL4=350\n[Standard]\n";
    for (int i = 0; i < 4; ++i)
        file += strings::formatC("Standard%d=%.4f\n", i + 1, dichromate.absorbance(wavelengths[i], 2.0, 0.0));
    start(0.0, file);
    moveToCell(2);
    runTest();
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(results().text(row, 4), "Pass") << results().rowTexts(row)[3];
    frame->view().SamplePage()->table().setModified(false);
}

TEST_F(ValidityWindowTest, ARemotelyStartedTestIsAnsweredAndLeavesNoFlagBehind) {
    start(0.0, "[Setup]\nMethod=0\n[Params]\nK1=0.01\n[Wavelength]\nNum=1\nWL1=350\n");
    frame->remoteStart(link::kRemoteMeasure);
    EXPECT_EQ(flags.remoteStartFlag, 1);
    ASSERT_TRUE(pumpUntil([&] { return flags.remoteStartFlag == 0; })) << "the readout closes itself";
    EXPECT_FALSE(results().text(1, 2).empty());
    frame->view().SamplePage()->table().setModified(false);
}

TEST_F(ValidityWindowTest, CancellingTheSecondWavelengthKeepsTheFirstRow) {
    start(0.0, kHolmiumTest);
    moveToCell(1);
    frame->refreshCommands();
    frame->action(fixed::kStart)->trigger();
    // The first wavelength's readout closes itself; the second is cancelled as soon as it shows.
    ASSERT_TRUE(pumpUntil([&] { return !results().text(1, 4).empty(); }));
    ASSERT_TRUE(pumpUntil([&] { return readout() != nullptr; }));
    readout()->reject();
    ASSERT_TRUE(pumpUntil([&] { return readout() == nullptr; }));
    pumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(results().text(1, 4), "Pass");
    EXPECT_EQ(results().text(2, 4), "");
    EXPECT_EQ(frame->findChildren<CFixedReadOut *>().size(), 0) << "no third readout";
    frame->view().SamplePage()->table().setModified(false);
}

TEST_F(ValidityWindowTest, TheWavelengthTestsBlankCalibrationFillsTwentyOneBlanksPerWavelength) {
    start(0.0, kHolmiumTest);
    moveToCell(2); // a cell that absorbs there
    frame->refreshCommands();
    frame->action(fixed::kBlankCalibration)->trigger();
    ASSERT_TRUE(pumpUntil([&] {
        frame->refreshCommands();
        return readout() == nullptr && frame->action(fixed::kStart)->isEnabled();
    }));
    for (int wavelength = 0; wavelength < 2; ++wavelength)
        for (int point = 0; point < fixed::kScanPoints; ++point)
            EXPECT_NE(method().data().scanBlanks[static_cast<std::size_t>(wavelength)]
                                                [static_cast<std::size_t>(point)],
                      0.0f)
                << wavelength << "/" << point;
    EXPECT_EQ(method().data().scanBlanks[2][0], 0.0f);
}

} // namespace
} // namespace spectavo::app
