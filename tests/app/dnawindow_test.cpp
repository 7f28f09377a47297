// The DNA/protein window on the virtual instrument: the nucleic-acid cell measured with the shipped
// 260/280/320 method gives the ratio and concentration of the sim's own band model.

#include <filesystem>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/fixed/dna/dnapages.h"
#include "app/fixed/fixedframe.h"
#include "app/shell/qtmessageservice.h"
#include "sim/samples.h"
#include "support/fixedwindows.h"
#include "support/linkeddriver.h"
#include "support/recordingmessageservice.h"
#include "support/tempdir.h"

namespace spectavo::app {
namespace {

using test::pumpUntil;
using Answer = shell::MessageService::Answer;

class DnaWindowTest : public test::FixedWindowFixture {
protected:
    DnaWindowTest() {
        std::filesystem::copy_file(SPECTAVO_SOURCE_DIR "/config/tarvesta.zav.func.dna.ini",
                                   dir.file("config/tarvesta.zav.func.dna.ini"));
    }
};

TEST_F(DnaWindowTest, TheNucleicAcidCellGivesTheModelsRatioAndConcentration) {
    linkToInstrument();
    show(makeDnaProteinWindow(host()));
    auto *method = dynamic_cast<CDNAMethod *>(frame->view().MethodPage());
    ASSERT_NE(method, nullptr);
    EXPECT_EQ(method->methodBox()->count(), 4);
    EXPECT_EQ(method->methodBox()->currentText(), "DNA/Protein 260/280");
    EXPECT_TRUE(method->referenceBox()->isChecked());
    const fixed::FixedMethodRecord &record = method->record();
    EXPECT_EQ(record.count, 3);
    EXPECT_FLOAT_EQ(record.coefficients[0], 62.9f);

    moveToCell(5); // the nucleic-acid sample
    frame->refreshCommands();
    EXPECT_TRUE(frame->action(fixed::kTransmittanceMode)->isEnabled()) << "T% is always allowed here";
    frame->action(fixed::kStart)->trigger();
    ASSERT_TRUE(pumpUntil([&] { return readout() && readout()->okButton()->isEnabled(); }));
    readout()->okButton()->click();
    ASSERT_TRUE(pumpUntil([&] { return readout() == nullptr; }));

    const fixed::SampleTable &table = frame->view().SamplePage()->table();
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.grid().rowTexts(0)[4], "DNA (ug/ml)");
    const sim::Sample nucleic = sim::namedSample("nucleic");
    const double a260 = nucleic.absorbance(260, 2.0, 0), a280 = nucleic.absorbance(280, 2.0, 0),
                 a320 = nucleic.absorbance(320, 2.0, 0);
    const double a1 = a260 - a320, a2 = a280 - a320;
    EXPECT_NEAR(*table.grid().number(1, 6), a1 / a2, 0.05);
    const double dna = 62.9 * a1 - 36.0 * a2;
    EXPECT_NEAR(*table.grid().number(1, 4), dna, 0.02 * dna);
    frame->view().SamplePage()->table().setModified(false);
}

TEST_F(DnaWindowTest, TheReferenceSwitchSetsTheCountAndClearsTheBlanks) {
    link::StationLink offline;
    frame.reset(dynamic_cast<CFixedFrame *>(makeDnaProteinWindow({{offline, shared, flags, accessories}})));
    auto *method = dynamic_cast<CDNAMethod *>(frame->view().MethodPage());
    method->record().blanks[0] = 0.3f;
    method->referenceBox()->click();
    EXPECT_EQ(method->record().count, 2);
    EXPECT_EQ(method->record().blanks[0], 0.0f);
    method->methodBox()->setCurrentIndex(1);
    emit method->methodBox()->activated(1);
    EXPECT_FLOAT_EQ(method->record().coefficients[0], 50.0f) << "dsDNA";
    EXPECT_EQ(frame->view().SamplePage()->table().grid().columns(), 2 + 1 + 3);

    // A stored document keeps its method index; its factors and wavelengths are the configuration's.
    test::writeBytes(dir.file("stored.dna"), "[Setup]\nMethod=3\nReference=1\n[Params]\nK1=999\n"
                                             "[Wavelength]\nNum=3\nWL1=500\n");
    ASSERT_TRUE(frame->view().LoadDocument(dir.file("stored.dna"), false));
    EXPECT_EQ(method->methodBox()->currentText(), "RNA");
    EXPECT_FLOAT_EQ(method->record().coefficients[0], 40.0f);
    EXPECT_FLOAT_EQ(method->record().wavelengths[0], 260.0f);
    EXPECT_EQ(method->record().count, 3);

    // A method the configuration lacks keeps its index and shows as such, with the defaults its
    // missing section gives (factors 1, 260 nm), not another method's.
    test::writeBytes(dir.file("unknown.dna"), "[Setup]\nMethod=7\nReference=1\n[Params]\nK1=999\n"
                                              "[Wavelength]\nNum=3\nWL1=500\n");
    ASSERT_TRUE(frame->view().LoadDocument(dir.file("unknown.dna"), false));
    EXPECT_EQ(method->methodBox()->currentText(), "Method 8 (not configured)");
    EXPECT_EQ(method->record().methodIndex, 7);
    for (float factor : method->record().coefficients)
        EXPECT_FLOAT_EQ(factor, 1.0f);
    EXPECT_FLOAT_EQ(method->record().wavelengths[0], 260.0f);
    // Another method chosen, then the document again: still its own.
    ASSERT_TRUE(frame->view().LoadDocument(dir.file("unknown.dna"), false));
    EXPECT_EQ(method->record().methodIndex, 7);
    frame.reset(); // before the link it was lent
}

// Rows measured with one method and factors beside rows of another would be one document's results
// with only the last method named: the new method starts a new document, or the old one stays.
TEST_F(DnaWindowTest, AnotherMethodForMeasuredRowsStartsANewDocument) {
    link::StationLink offline;
    frame.reset(dynamic_cast<CFixedFrame *>(makeDnaProteinWindow({{offline, shared, flags, accessories}})));
    auto *method = dynamic_cast<CDNAMethod *>(frame->view().MethodPage());
    fixed::SampleTable &table = frame->view().SamplePage()->table();
    table.writeMeasuredRow(0, "first", std::vector<float>{0.5f, 0.3f, 0.01f}, true);
    const auto choose = [&](int entry) {
        method->methodBox()->setCurrentIndex(entry);
        emit method->methodBox()->activated(entry);
    };

    messages.answer = false;
    choose(1);
    EXPECT_EQ(messages.asked.back(), "The table holds results of another method, and a document keeps one "
                                     "method.\nStart a new document with the new method?");
    EXPECT_EQ(method->record().methodIndex, 0);
    EXPECT_EQ(method->methodBox()->currentIndex(), 0) << "the list shows the document's method again";
    EXPECT_EQ(table.rowCount(), 1);

    messages.answer = true;
    messages.saveAnswers = {Answer::Cancel}; // the unsaved row's question withdrawn
    choose(1);
    EXPECT_EQ(messages.asked.back(), "Result has not been saved. Save it now?");
    EXPECT_EQ(method->record().methodIndex, 0);
    EXPECT_EQ(table.rowCount(), 1);

    messages.saveAnswers = {Answer::No};
    choose(1);
    EXPECT_EQ(method->record().methodIndex, 1);
    EXPECT_FLOAT_EQ(method->record().coefficients[0], 50.0f) << "dsDNA";
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.grid().text(1, 1), "");
    EXPECT_FALSE(table.modified());

    const std::size_t questions = messages.asked.size();
    choose(2);
    EXPECT_EQ(messages.asked.size(), questions) << "an empty table takes any method";
    EXPECT_EQ(method->record().methodIndex, 2);
    frame.reset();
}

} // namespace
} // namespace spectavo::app
