// The fixed points window, offscreen, on the virtual instrument at high speed: readouts with their
// exact commands, blank calibration, the autorun over the cells, remote starts, and closing a
// readout while readings stream.

#include <cmath>
#include <filesystem>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedreadout.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/quan/quancurve.h"
#include "app/fixed/quan/quancurvesettings.h"
#include "app/fixed/standardsetup.h"
#include "app/shell/accessorydialogs.h"
#include "app/shell/qtmessageservice.h"
#include "core/fixed/calibration.h"
#include "core/fixed/standardpresets.h"
#include "core/link/commands.h"
#include "sim/samples.h"
#include "support/fixedwindows.h"
#include "support/linkeddriver.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

using test::pumpUntil;
using test::simControl;

using Command = fixed::FixedCommand;

struct LoggedCommand {
    std::uint8_t code;
    std::vector<std::uint8_t> data;
    friend bool operator==(const LoggedCommand &, const LoggedCommand &) = default;
};

LoggedCommand gotoTenths(int tenths) {
    return {link::kGotoWavelength,
            {0, 0, static_cast<std::uint8_t>(tenths >> 8), static_cast<std::uint8_t>(tenths & 0xFF)}};
}

class FixedWindowTest : public test::FixedWindowFixture {
protected:
    // A method of these wavelengths in the configuration file the new window loads.
    void methodOf(const std::string &wavelengths, int count) {
        test::writeBytes(dir.file("config/tarvesta.zav.func.fixed.ini"),
                         "[Wavelength]\nNum=" + std::to_string(count) + "\n" + wavelengths +
                             "[Setup]\nConcentration=0\n");
    }
    void linkUp() {
        linkToInstrument();
        WindowHost host = this->host();
        host.keepResult = [this](store::ResultRecord result) { kept.push_back(std::move(result)); };
        host.multicellDialog = [this](bool withConcentrations) {
            return showMulticellDialog(frame.get(), accessories, instrument.link.status().cellCount.load(),
                                       withConcentrations);
        };
        host.modeCommand = [this](bool absorbance) {
            flags.photometricModeChanged = (absorbance ? 1 : 0) != flags.absorbanceMode;
            flags.absorbanceMode = absorbance ? 1 : 0;
            frame->photometricModeCommand(absorbance);
        };
        show(makeFixedPointsWindow(host));
    }
    void trigger(Command command) {
        frame->refreshCommands();
        ASSERT_TRUE(frame->action(command)->isEnabled()) << frame->action(command)->text().toStdString();
        frame->action(command)->trigger();
    }
    bool readoutReady() const { return readout() && readout()->okButton()->isEnabled(); }
    bool noReadout() const { return readout() == nullptr; }
    fixed::SampleTable &samples() const { return frame->view().SamplePage()->table(); }
    // The instrument's command log from entry `from` on, without the commands of other kinds.
    std::vector<LoggedCommand> loggedFrom(int from, std::initializer_list<std::uint8_t> codes) {
        const auto entry = simControl<int (*)(int, StationPacket *)>("SimHub_LoggedCommand");
        std::vector<LoggedCommand> log;
        StationPacket packet{};
        for (int i = from; entry(i, &packet) != 0; ++i)
            if (std::find(codes.begin(), codes.end(), packet.code) != codes.end())
                log.push_back(
                    {packet.code, std::vector<std::uint8_t>(packet.data, packet.data + packet.length)});
        return log;
    }
    // What the window handed to the results store.
    std::vector<store::ResultRecord> kept;
    int logLength() {
        const auto entry = simControl<int (*)(int, StationPacket *)>("SimHub_LoggedCommand");
        StationPacket packet{};
        int length = 0;
        while (entry(length, &packet) != 0)
            ++length;
        return length;
    }
};

TEST_F(FixedWindowTest, ThreeWavelengthsGoInOrderAndGiveOneRowOfTheSample) {
    methodOf("WL1=350\nWL2=440.5\nWL3=257\n", 3);
    linkUp();
    moveToCell(3); // dichromate, 40 mg/l
    const std::string opened = "January 01 00:00:00 2000";
    frame->view().InformationPage()->texts().dateTime = opened; // the window opened long before
    frame->view().InformationPage()->showData();
    const int before = logLength();
    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    ASSERT_TRUE(pumpUntil([&] {
        return loggedFrom(before, {link::kGotoWavelength, link::kEscape}).size() == 6;
    }));
    EXPECT_EQ(loggedFrom(before, {link::kGotoWavelength, link::kEscape, link::kSelectCell}),
              (std::vector<LoggedCommand>{gotoTenths(3500),
                                          gotoTenths(4405),
                                          gotoTenths(2570),
                                          gotoTenths(3500),
                                          {link::kEscape, {}},
                                          gotoTenths(3500)}));
    ASSERT_EQ(samples().rowCount(), 1);
    EXPECT_EQ(samples().grid().text(1, 0), "Sample-1");
    EXPECT_NE(frame->view().InformationPage()->texts().dateTime, opened)
        << "the report's date is the measurement's";
    const sim::Sample dichromate = sim::namedSample("dichromate40");
    const double wavelengths[] = {350.0, 440.5, 257.0};
    for (int i = 0; i < 3; ++i) {
        const double expected = dichromate.absorbance(wavelengths[i], 2.0, 0.0);
        const auto measured = samples().grid().number(1, i + 1);
        ASSERT_TRUE(measured) << i;
        EXPECT_NEAR(*measured, expected, 0.01 + 0.01 * expected) << wavelengths[i];
    }
    EXPECT_TRUE(samples().modified());
    EXPECT_FALSE(instrument.link.acquisition().open.load());
}

TEST_F(FixedWindowTest, ABlankCalibrationZeroesTheBlankCellAndACancelledOneLeavesNoBlanks) {
    methodOf("WL1=260\nWL2=280\n", 2);
    linkUp();
    moveToCell(3);
    trigger(fixed::kBlankCalibration);
    ASSERT_TRUE(pumpUntil([&] { return readout() != nullptr; }));
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); })) << "a blank calibration closes itself";
    EXPECT_EQ(states, (std::vector<std::string>{"Blank calibration...", "Ready"}))
        << "the state pane says it runs";
    CFixedMethod &method = *frame->view().MethodPage();
    EXPECT_GT(method.record().blanks[0], 0.1f) << "the dichromate cell as blank";
    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    for (int column = 1; column <= 2; ++column)
        EXPECT_LT(std::abs(*samples().grid().number(1, column)), 0.002) << column;

    trigger(fixed::kBlankCalibration);
    ASSERT_TRUE(pumpUntil([&] { return readout() != nullptr; }));
    readout()->reject();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    EXPECT_EQ(method.record().blanks[0], 0.0f);
    EXPECT_EQ(method.record().blanks[1], 0.0f);
}

TEST_F(FixedWindowTest, TheAutorunMeasuresTheInstalledCellsNamedAfterThem) {
    methodOf("WL1=350\n", 1);
    for (int cell : {1, 3, 4})
        accessories.cellInstalled[static_cast<std::size_t>(cell)] = 1;
    accessories.cellName[1] = "Holmium";
    accessories.cellName[4] = "Dichromate 60";
    linkUp();
    ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().cellCount.load() == 8; }));
    trigger(fixed::kAutorun);
    EXPECT_EQ(flags.autorunActive, 1);
    frame->refreshCommands();
    EXPECT_FALSE(frame->action(fixed::kStart)->isEnabled()) << "nothing else starts during the run";
    ASSERT_TRUE(pumpUntil([&] { return flags.autorunActive == 0; }, std::chrono::seconds(60)));
    ASSERT_EQ(samples().rowCount(), 3);
    EXPECT_EQ(samples().grid().text(1, 0), "Holmium");
    EXPECT_EQ(samples().grid().text(2, 0), "Sample-2") << "a cell without a name keeps the default";
    EXPECT_EQ(samples().grid().text(3, 0), "Dichromate 60");
    EXPECT_EQ(instrument.link.status().currentCell.load(), 4);
    EXPECT_GT(*samples().grid().number(3, 1), *samples().grid().number(2, 1))
        << "60 mg/l reads above 40 mg/l";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FixedWindowTest, ARemoteStartMeasuresARowThatClosesItselfAndIsAnswered) {
    methodOf("WL1=350\n", 1);
    linkUp();
    frame->remoteStart(link::kRemoteMeasure);
    ASSERT_TRUE(pumpUntil([&] { return commandsReceived(link::kRemoteMeasureDone) == 1; }));
    EXPECT_EQ(samples().rowCount(), 1);
    EXPECT_TRUE(noReadout());
    EXPECT_EQ(flags.remoteStartFlag, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FixedWindowTest, ARemoteBlankLeavesTheNextManualReadoutOpen) {
    methodOf("WL1=350\n", 1);
    linkUp();
    frame->remoteStart(2);
    ASSERT_TRUE(pumpUntil([&] { return commandsReceived(link::kRemoteMeasureDone) == 1; }));
    EXPECT_EQ(flags.remoteStartFlag, 0);
    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    QApplication::processEvents();
    EXPECT_TRUE(readout()->isVisible()) << "a manual readout waits for OK";
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    EXPECT_EQ(commandsReceived(link::kRemoteMeasureDone), 1);
}

TEST_F(FixedWindowTest, AFullTableMeasuresNothingAndSaysSo) {
    methodOf("WL1=350\n", 1);
    linkUp();
    const float value[] = {0.5f};
    for (int row = 0; row < fixed::SampleTable::kRows; ++row)
        samples().writeMeasuredRow(row, "S", value, true);
    const int gotos = commandsReceived(link::kGotoWavelength);
    trigger(fixed::kStart);
    frame->remoteStart(link::kRemoteMeasure);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[0].find("The table is full (200 samples)."), std::string::npos);
    EXPECT_EQ(readout(), nullptr);
    ASSERT_TRUE(pumpUntil([&] { return commandsReceived(link::kRemoteMeasureDone) == 1; }))
        << "the instrument hears that the remote start is over";
    EXPECT_EQ(commandsReceived(link::kGotoWavelength), gotos);
}

TEST_F(FixedWindowTest, ClosingAReadoutWhileReadingsStreamLeavesNothingBehind) {
    methodOf("WL1=350\nWL2=450\nWL3=550\n", 3);
    linkUp();
    for (int round = 0; round < 5; ++round) {
        trigger(fixed::kStart);
        ASSERT_TRUE(pumpUntil([&] { return readout() && readout()->sequence().index() >= round % 3; }));
        readout()->reject();
        QApplication::processEvents();
        EXPECT_FALSE(instrument.link.acquisition().open.load());
        ASSERT_TRUE(pumpUntil([&] { return frame->findChild<CFixedReadOut *>() == nullptr; }));
    }
    // Readings keep arriving for a while: none lands anywhere.
    pumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(samples().rowCount(), 0);
}

// A taken readout is kept with its row as the table shows it; one closed after its first reading is
// kept as stopped with what arrived; one closed before any reading is not a measurement.
TEST_F(FixedWindowTest, EachReadoutThatReadIsKeptForTheStoreWithWhatArrived) {
    methodOf("WL1=350\nWL2=440.5\n", 2);
    linkUp();
    moveToCell(3);
    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    ASSERT_EQ(kept.size(), 1u);
    const store::ResultRecord &taken = kept[0];
    EXPECT_EQ(taken.kind, "fixed");
    EXPECT_EQ(taken.state, "complete");
    EXPECT_EQ(taken.sample, "Sample-1");
    EXPECT_EQ(taken.method, "Fixed points: 350.0, 440.5 nm");
    EXPECT_EQ(taken.dataFormat, "json");
    const auto &grid = samples().grid();
    EXPECT_NE(taken.data.find("\"wavelengths\": [\"350.0000\", \"440.5000\"]"), std::string::npos)
        << taken.data;
    const std::string row = "\"rows\": [{\"" + grid.text(0, 0) + "\": \"Sample-1\", \"" + grid.text(0, 1) +
                            "\": \"" + grid.text(1, 1) + "\", \"" + grid.text(0, 2) + "\": \"" +
                            grid.text(1, 2) + "\"}]";
    EXPECT_NE(taken.data.find(row), std::string::npos) << taken.data;

    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readout() && readout()->sequence().index() >= 1; }));
    readout()->reject();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1].state, "stopped");
    EXPECT_NE(kept[1].data.find("\"rows\": []"), std::string::npos) << kept[1].data;
    EXPECT_EQ(kept[1].data.find("\"readings\": []"), std::string::npos) << "the first reading arrived";

    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readout() != nullptr; }));
    readout()->reject();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    EXPECT_EQ(kept.size(), 2u);
    EXPECT_EQ(samples().rowCount(), 1);
}

TEST_F(FixedWindowTest, TheStandardTabWaitsForStandardsAndTheMethodForItsRange) {
    methodOf("WL1=350\n", 1);
    linkUp();
    QTabWidget *tabs = frame->view().tabs();
    tabs->setCurrentIndex(CFixedView::kStandardKey);
    EXPECT_EQ(tabs->currentIndex(), CFixedView::kMethodKey) << "standards are not in use";
    auto *method = dynamic_cast<CQuanMethod *>(frame->view().MethodPage());
    method->concentrationBox()->click();
    method->standardsBox()->click();
    tabs->setCurrentIndex(CFixedView::kStandardKey);
    EXPECT_EQ(tabs->currentIndex(), CFixedView::kStandardKey);
    tabs->setCurrentIndex(CFixedView::kMethodKey);
    method->wavelengthField(0)->setText("1500");
    tabs->setCurrentIndex(CFixedView::kSampleKey);
    EXPECT_EQ(tabs->currentIndex(), CFixedView::kMethodKey) << "an invalid method keeps its page";
    EXPECT_NE(messages.shown.back().find("Enter a number between 190 and 1100."), std::string::npos);
    frame->refreshCommands();
    EXPECT_FALSE(frame->action(fixed::kStart)->isEnabled());
}

TEST_F(FixedWindowTest, StopEndsTheAutorunAfterTheReadoutUnderWay) {
    methodOf("WL1=350\n", 1);
    for (int cell : {1, 3, 4})
        accessories.cellInstalled[static_cast<std::size_t>(cell)] = 1;
    linkUp();
    ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().cellCount.load() == 8; }));
    trigger(fixed::kAutorun);
    ASSERT_TRUE(pumpUntil([&] { return readout() != nullptr; }));
    instrument.link.operations().StopMeasurement();
    frame->stopRequested();
    ASSERT_TRUE(pumpUntil([&] { return flags.autorunActive == 0; }));
    EXPECT_TRUE(noReadout());
    EXPECT_FALSE(instrument.link.acquisition().open.load());
    // The readout under way may have finished just before Stop; no other cell is measured.
    EXPECT_LE(samples().rowCount(), 1);
    frame->refreshCommands();
    EXPECT_TRUE(pumpUntil([&] {
        frame->refreshCommands();
        return frame->action(fixed::kStart)->isEnabled();
    }));
}

TEST_F(FixedWindowTest, TheWindowsTransmittanceCommandConvertsItsTablesThroughTheirText) {
    methodOf("WL1=350\n", 1);
    linkUp();
    const float value[] = {1.2345f};
    samples().writeMeasuredRow(0, "S", value, true);
    trigger(fixed::kTransmittanceMode);
    EXPECT_EQ(samples().grid().text(1, 1), "5.83");
    frame->refreshCommands();
    EXPECT_TRUE(frame->action(fixed::kTransmittanceMode)->isChecked());
    trigger(fixed::kAbsorbanceMode);
    EXPECT_EQ(samples().grid().text(1, 1), "1.2343");
    samples().setModified(false);
}

// The operator types "12" over a count of 3: the count passes through "1", and the measured columns
// of the second and third wavelength are still there at the end.
TEST_F(FixedWindowTest, TypingACountKeepsTheMeasuredColumns) {
    methodOf("WL1=350\nWL2=440\nWL3=257\n", 3);
    linkUp();
    CFixedSample &sample = *frame->view().SamplePage();
    const float values[] = {0.1f, 0.2f, 0.3f};
    sample.table().writeMeasuredRow(0, "S", values, true);
    auto *method = dynamic_cast<CQuanMethod *>(frame->view().MethodPage());
    frame->view().SwitchToPage(CFixedView::kMethodKey);
    method->countField()->selectAll();
    QTest::keyClicks(method->countField(), "12");
    frame->view().SwitchToPage(CFixedView::kSampleKey);
    EXPECT_EQ(sample.table().grid().text(1, 2), "0.2000");
    EXPECT_EQ(sample.table().grid().text(1, 3), "0.3000");
    sample.table().setModified(false);
}

TEST_F(FixedWindowTest, OnATablePageEnterPressesTheFocusedButtonAndEscapeDoesNothing) {
    methodOf("WL1=350\n", 1);
    linkUp();
    CFixedSample &sample = *frame->view().SamplePage();
    frame->view().SwitchToPage(CFixedView::kSampleKey);
    const float value[] = {0.5f};
    sample.table().writeMeasuredRow(0, "S", value, true);
    frame->refreshCommands();
    QPushButton *modify = sample.button(fixed::kModify);
    ASSERT_TRUE(modify->isEnabled());
    modify->setFocus();
    QTest::keyClick(modify, Qt::Key_Return);
    // The current row is the first: Modify measures it again.
    ASSERT_TRUE(pumpUntil([&] { return readout() != nullptr; }));
    readout()->reject();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    QTest::keyClick(modify, Qt::Key_Escape);
    EXPECT_TRUE(frame->isVisible());
    auto *method = dynamic_cast<CQuanMethod *>(frame->view().MethodPage());
    frame->view().SwitchToPage(CFixedView::kMethodKey);
    method->wavelengthField(0)->setFocus();
    QTest::keyClick(method->wavelengthField(0), Qt::Key_Return);
    EXPECT_FALSE(method->wavelengthField(0)->hasFocus()) << "Enter moves on in the method page";
    sample.table().setModified(false);
}

// Standards of 0, 20, 40, 60 and 80 mg/l in cells 1 to 5 and a sample of 50 mg/l in cell 6.
class CalibrationOnTheInstrumentTest : public FixedWindowTest {
protected:
    CalibrationOnTheInstrumentTest() {
        test::writeBytes(dir.file("config/tarvesta.zav.sim.ini"),
                         "[Simulation]\nBoot=1\nSpeed=100\n[Accessories]\nCells=8\nCell1=blank\n"
                         "Cell2=dichromate20\nCell3=dichromate40\nCell4=dichromate60\nCell5=dichromate80\n"
                         "Cell6=dichromate50\nCell7=empty\nCell8=empty\n");
        test::writeBytes(dir.file("config/tarvesta.zav.func.fixed.ini"),
                         "[Wavelength]\nNum=1\nWL1=350\n[Setup]\nConcentration=1\nReference=1\nMethod=0\n");
    }
    // The operator enters the standards' cells, names and concentrations in the multicell dialog,
    // which the Standard tab opens with its concentration column.
    void enterStandardsInTheMulticellDialog() {
        QTimer::singleShot(0, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            const auto boxes = dialog->findChildren<QCheckBox *>();
            const auto fields = dialog->findChildren<QLineEdit *>(); // per cell: name, concentration
            ASSERT_GE(fields.size(), 10);
            const char *concentrations[] = {"0", "20", "40", "60", "80"};
            for (int cell = 0; cell < 5; ++cell) {
                boxes[cell]->setChecked(true);
                fields[2 * cell]->setText(QString("Std %1").arg(concentrations[cell]));
                fields[2 * cell + 1]->setText(concentrations[cell]);
            }
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->text().remove('&') == "OK")
                    button->click();
        });
        ASSERT_TRUE(frame->multicellSetup());
    }
    // The calibration line of the sim's own band model at 350 nm through the five standards.
    static double modelSlope() {
        const char *names[] = {"blank", "dichromate20", "dichromate40", "dichromate60", "dichromate80"};
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (int i = 0; i < 5; ++i) {
            const double a = sim::namedSample(names[i]).absorbance(350.0, 2.0, 0.0);
            const double c = 20.0 * i;
            sx += a;
            sy += c;
            sxx += a * a;
            sxy += a * c;
        }
        return (5 * sxy - sx * sy) / (5 * sxx - sx * sx);
    }
};

TEST_F(CalibrationOnTheInstrumentTest, StandardsFromTheChangerCalibrateAndASampleReadsItsConcentration) {
    linkUp();
    ASSERT_TRUE(pumpUntil([&] { return instrument.link.status().cellCount.load() == 8; }));
    CFixedView &view = frame->view();
    view.SwitchToPage(CFixedView::kStandardKey);
    ASSERT_EQ(view.currentKey(), CFixedView::kStandardKey);
    enterStandardsInTheMulticellDialog();
    ASSERT_EQ(accessories.cellConcentration[4], "80");
    trigger(fixed::kAutorun);
    ASSERT_TRUE(pumpUntil([&] { return flags.autorunActive == 0; }, std::chrono::seconds(60)));
    fixed::SampleTable &standards = dynamic_cast<CQuanView &>(view).StandardTable()->table();
    ASSERT_EQ(standards.rowCount(), 5);
    EXPECT_EQ(standards.grid().rowTexts(0),
              (std::vector<std::string>{"Sample name", "350.0nm", "Abs(eff)", "ug/ml"}))
        << "the method's unit: the display settings name none of their own";
    EXPECT_EQ(standards.grid().text(2, 0), "Std 20");
    EXPECT_EQ(standards.grid().text(2, 3), "20.0000");
    const fixed::FixedMethodRecord &method = view.MethodPage()->record();
    EXPECT_GE(method.correlation, 0.999f);
    EXPECT_NEAR(method.coefficients[1], modelSlope(), 0.01 * modelSlope());
    EXPECT_TRUE(view.StandardTable()->note().isEmpty());

    accessories.cellInstalled[5] = 1;
    moveToCell(5);
    view.SwitchToPage(CFixedView::kSampleKey);
    trigger(fixed::kStart);
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    EXPECT_FALSE(readout()->findChild<QLineEdit *>("concentration")->text().isEmpty());
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    const auto concentration = samples().grid().number(1, 3);
    ASSERT_TRUE(concentration);
    EXPECT_NEAR(*concentration, 50.0, 1.0);

    // A quadratic fit is made at once when the operator chooses it.
    auto *methodPage = dynamic_cast<CQuanMethod *>(view.MethodPage());
    view.SwitchToPage(CFixedView::kMethodKey);
    methodPage->fitBox()->setCurrentIndex(1);
    emit methodPage->fitBox()->activated(1);
    EXPECT_NE(method.coefficients[2], 0.0f);
    EXPECT_TRUE(methodPage->coefficientField(2)->isEnabled());
    EXPECT_EQ(method.coefficients[3], 0.0f);

    // The Fitting page draws the line and the marks once its range takes the standards in.
    auto &quan = dynamic_cast<CQuanView &>(view);
    quan.SettingsPage()->field("xMax")->setText("100");
    quan.SettingsPage()->apply();
    view.SwitchToPage(CFixedView::kFittingKey);
    ASSERT_EQ(view.currentKey(), CFixedView::kFittingKey);
    const QImage chart = quan.CurvePage()->chart()->grab().toImage();
    int red = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const QRgb pixel = chart.pixel(x, y);
            red += qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80 ? 1 : 0;
        }
    EXPECT_GT(red, chart.width() / 2) << "the line runs across the plot";
    standards.setModified(false);
    samples().setModified(false);
}

TEST_F(CalibrationOnTheInstrumentTest, PresetStandardsAreMeasuredUnderTheirNamesAndAFailedFitSaysWhy) {
    linkUp();
    CFixedView &view = frame->view();
    view.SwitchToPage(CFixedView::kStandardKey);
    CFixedSample &standardPage = *view.StandardTable();
    fixed::StandardPresetting presetting(standardPage.table(), view.MethodPage()->record());
    presetting.accept("Low", 20.0);
    frame->refreshCommands();
    EXPECT_TRUE(frame->action(fixed::kDeletePresets)->isEnabled());
    moveToCell(1);
    standardPage.button(fixed::kStart)->click(); // the menu's Start measures samples
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    EXPECT_EQ(readout()->name(), "Low");
    EXPECT_EQ(readout()->findChild<QLineEdit *>("concentration")->text(), "20.0000");
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    EXPECT_FALSE(standardPage.table().preset(0));
    EXPECT_EQ(standardPage.table().grid().text(1, 0), "Low");
    // One standard cannot make a line: the page says so, the coefficients stay.
    EXPECT_EQ(standardPage.note(), "Calibration not computed: it needs 2 standards with different Abs(eff).");
    EXPECT_FLOAT_EQ(view.MethodPage()->record().coefficients[1], 1.0f);
    // Modify on the measured standard starts with the concentration its row holds.
    frame->refreshCommands();
    ASSERT_TRUE(standardPage.button(fixed::kModify)->isEnabled());
    standardPage.button(fixed::kModify)->click();
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    EXPECT_EQ(readout()->findChild<QLineEdit *>("concentration")->text(), "20.0000");
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    EXPECT_EQ(standardPage.table().grid().text(1, fixed::concentrationColumn(view.MethodPage()->record())),
              "20.0000");
    standardPage.table().setModified(false);
}

TEST_F(FixedWindowTest, OneReadoutAtATimeAndTheWindowStaysWhileItIsOpen) {
    methodOf("WL1=350\n", 1);
    linkUp();
    trigger(fixed::kStart);
    // Before its first command (the 300 ms pause) nothing else may start.
    ASSERT_EQ(frame->findChildren<CFixedReadOut *>().size(), 1);
    EXPECT_TRUE(frame->findChild<CFixedReadOut *>()->isVisible());
    frame->refreshCommands();
    EXPECT_FALSE(frame->action(fixed::kStart)->isEnabled());
    frame->view().StartOn(*frame->view().SamplePage());
    EXPECT_EQ(frame->findChildren<CFixedReadOut *>().size(), 1);
    // The tables and the method stay as the readout found them.
    EXPECT_FALSE(frame->action(fixed::kDelete)->isEnabled());
    EXPECT_FALSE(frame->action(fixed::kModify)->isEnabled());
    auto *quan = dynamic_cast<CQuanMethod *>(frame->view().MethodPage());
    ASSERT_NE(quan, nullptr);
    EXPECT_FALSE(quan->countField()->isEnabled());
    EXPECT_FALSE(frame->confirmClose());
    EXPECT_NE(messages.shown.back().find("A measurement is running."), std::string::npos);
    ASSERT_TRUE(pumpUntil([&] { return readoutReady(); }));
    readout()->reject();
    ASSERT_TRUE(pumpUntil([&] { return noReadout(); }));
    EXPECT_TRUE(quan->countField()->isEnabled()) << "the method takes edits again";
    EXPECT_TRUE(frame->confirmClose()) << "nothing measured, nothing to lose";
}

TEST_F(FixedWindowTest, ModifyAndDeleteButtonsFollowTheirOwnTable) {
    methodOf("WL1=350\n", 1);
    linkUp();
    const float value[] = {0.5f};
    samples().writeMeasuredRow(0, "S", value, true);
    frame->refreshCommands();
    CFixedSample &standards = *dynamic_cast<CQuanView &>(frame->view()).StandardTable();
    EXPECT_FALSE(standards.button(fixed::kModify)->isEnabled());
    EXPECT_FALSE(standards.button(fixed::kDelete)->isEnabled());
    EXPECT_TRUE(frame->view().SamplePage()->button(fixed::kModify)->isEnabled());
}

} // namespace
} // namespace spectavo::app

namespace spectavo::app {
namespace {

TEST(StandardSetupDialog, NextNeedsANumberAndClosesWithItsOwnResult) {
    test::RecordingMessageService messages;
    installMessages(&messages);
    CStandardSetup dialog("Standard-3", 0.0);
    dialog.concentrationField()->setText("abc");
    dialog.finishWith(CStandardSetup::kNext);
    EXPECT_EQ(dialog.result(), 0) << "still open";
    ASSERT_EQ(messages.shown.size(), 1u);
    dialog.concentrationField()->setText(" 2.5 ");
    dialog.finishWith(CStandardSetup::kNext);
    EXPECT_EQ(dialog.result(), CStandardSetup::kNext);
    EXPECT_DOUBLE_EQ(dialog.concentration(), 2.5);
    EXPECT_EQ(dialog.name(), "Standard-3");
    installMessages(nullptr);
}

} // namespace
} // namespace spectavo::app
