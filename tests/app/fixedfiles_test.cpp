// Fixed-wavelength documents in their windows: the instrument's stored files through the virtual
// instrument's driver, the close check and Open with scripted answers, a load that keeps the file's
// calibration, and the report printed into a PDF.

#include <deque>

#include <QComboBox>
#include <QDate>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>

#include "app/fixed/dna/dnapages.h"
#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedmethod.h"
#include "app/fixed/fixedsample.h"
#include "app/fixed/fixedview.h"
#include "app/fixed/validity/validitypages.h"
#include "app/widgets/filechooser.h"
#include "core/fixed/calibration.h"
#include "core/fixed/storeddocument.h"
#include "core/link/commands.h"
#include "support/fixedwindows.h"

namespace spectavo::app {
namespace {

using test::pumpUntil;
using Answer = shell::MessageService::Answer;

// File dialogs that answer from a script: each call takes the next path (empty: cancelled).
class ScriptedChooser : public FileChooser {
public:
    ScriptedChooser() { installFileChooser(this); }
    ~ScriptedChooser() override { installFileChooser(nullptr); }
    QString chooseOpen(QWidget *, const QString &) override { return next().path; }
    QString chooseSave(QWidget *, const QString &, const QString &, const QString &) override {
        return next().path;
    }
    DocumentChoice chooseDocument(QWidget *, bool, const QString &filter, const QStringList &suffixes,
                                  bool box, const QString &proposal) override {
        filters.push_back(filter);
        proposed = proposal;
        lastSuffixes = suffixes;
        DocumentChoice choice = next();
        choice.methodOnly = choice.methodOnly && box;
        return choice;
    }
    DocumentChoice next() {
        ++calls;
        if (script.empty())
            return {};
        DocumentChoice choice = script.front();
        script.pop_front();
        return choice;
    }
    std::deque<DocumentChoice> script;
    QStringList filters;
    QStringList lastSuffixes;
    QString proposed;
    int calls = 0;
};

class FixedFilesTest : public test::FixedWindowFixture {
protected:
    // The window goes before the link it was given.
    ~FixedFilesTest() override { frame.reset(); }
    CFixedView &view() const { return frame->view(); }
    fixed::SampleTable &samples() const { return view().SamplePage()->table(); }
    void measuredRows(int rows) {
        for (int row = 0; row < rows; ++row)
            samples().writeMeasuredRow(row, samples().defaultName(row), std::vector<float>{0.25f}, true);
    }
    link::StationLink offline;
    ScriptedChooser chooser;
};

struct StoredFileCase {
    MeasurementWindow *(*window)(const WindowHost &);
    int type;
    std::uint8_t entry; // the virtual instrument's store, in its order
    const char *name;
};

TEST_F(FixedFilesTest, EveryFixedFamilyFileOfTheInstrumentDownloadsIntoItsDocument) {
    linkToInstrument();
    const StoredFileCase cases[] = {
        {makeFixedPointsWindow, 0, 1, "CR6.qua"},  {makeFixedPointsWindow, 4, 5, "MULTI01.mul"},
        {makeFixedPointsWindow, 7, 8, "CR6.std"},  {makeFixedPointsWindow, 0, 10, "OLDCAL.qua"},
        {makeDnaProteinWindow, 3, 4, "DNA01.dna"}, {makeValidityWindow, 5, 6, "PHOTO01.phv"},
        {makeValidityWindow, 6, 7, "WAVE01.wlv"},
    };
    for (const StoredFileCase &file : cases) {
        SCOPED_TRACE(file.name);
        show(file.window(host()));
        messages.shown.clear();
        const int requests = commandsReceived(link::kFileOpen);
        ASSERT_TRUE(frame->takeInstrumentFile({file.type, {0x10, file.entry}}));
        ASSERT_TRUE(pumpUntil([&] { return !instrument.link.acquisition().open.load(); }));
        QApplication::processEvents();
        EXPECT_EQ(commandsReceived(link::kFileOpen), requests + 1);
        EXPECT_TRUE(messages.shown.empty()) << (messages.shown.empty() ? "" : messages.shown[0]);
        const fixed::FixedMethodRecord &method = view().MethodPage()->record();
        const std::string name = file.name;
        if (name == "CR6.qua" || name == "CR6.std") {
            EXPECT_FLOAT_EQ(method.wavelengths[0], 350.0f);
            EXPECT_FLOAT_EQ(method.coefficients[1], 93.0f);
            EXPECT_EQ(method.unit, "mg/L");
            EXPECT_EQ(view().StandardTable()->table().rowCount(), 3);
            EXPECT_EQ(samples().rowCount(), 2);
            EXPECT_EQ(samples().grid().text(2, 3), "52.0000");
        } else if (name == "MULTI01.mul") {
            EXPECT_EQ(method.count, 3);
            EXPECT_EQ(samples().rowCount(), 2);
            EXPECT_EQ(samples().grid().text(1, 1), "0.9000") << "the row's stamp is not a reading";
            EXPECT_EQ(samples().grid().text(2, 3), "0.3100");
            EXPECT_EQ(view().StandardTable()->table().rowCount(), 0);
        } else if (name == "DNA01.dna") {
            EXPECT_EQ(samples().rowCount(), 2);
            EXPECT_EQ(samples().grid().text(1, 3), "47.5000");
            EXPECT_TRUE(samples().modified());
        } else if (name == "PHOTO01.phv") {
            EXPECT_EQ(method.count, 3);
            EXPECT_EQ(samples().grid().text(1, 4), "Pass");
        } else if (name == "WAVE01.wlv") {
            EXPECT_EQ(method.methodIndex, 1);
            EXPECT_EQ(samples().grid().text(2, 1), "656.2nm");
        }
        frame.reset();
    }
}

TEST_F(FixedFilesTest, AFileOfAnotherKindIsRefusedBeforeAnythingIsSent) {
    linkToInstrument();
    show(makeFixedPointsWindow(host()));
    const int requests = commandsReceived(link::kFileOpen);
    EXPECT_FALSE(frame->takeInstrumentFile({3, {0x10, 4}}));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"File type mismatched, please select another one."});
    EXPECT_FALSE(instrument.link.acquisition().open.load());
    QApplication::processEvents();
    EXPECT_EQ(commandsReceived(link::kFileOpen), requests);
}

TEST_F(FixedFilesTest, TheCloseCheckOffersToSaveUnsavedResults) {
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    EXPECT_TRUE(frame->confirmClose()) << "nothing measured, nothing asked";
    EXPECT_TRUE(messages.asked.empty());
    measuredRows(2);
    messages.saveAnswers = {Answer::Cancel};
    EXPECT_FALSE(frame->confirmClose());
    EXPECT_EQ(messages.asked.back(), "Result has not been saved. Save it now?");
    messages.saveAnswers = {Answer::Yes};
    chooser.script = {{}}; // the save dialog cancelled: the window stays
    EXPECT_FALSE(frame->confirmClose());
    EXPECT_EQ(chooser.lastSuffixes, (QStringList{"QUA", "QM"}));
    messages.saveAnswers = {Answer::Yes};
    chooser.script = {{QString::fromStdString(dir.file("closing.qua")), true}};
    EXPECT_TRUE(frame->confirmClose());
    EXPECT_NE(test::readBytes(dir.file("closing.qua")).find("[Sample]\nRows=2"), std::string::npos)
        << "the close check saves the whole document";
    EXPECT_FALSE(samples().modified());
    EXPECT_TRUE(frame->confirmClose());
    measuredRows(3);
    messages.saveAnswers = {Answer::No};
    EXPECT_TRUE(frame->confirmClose());
}

// Save on a document with a file writes that file, as the kind its name says, without a dialog; a new
// document's Save proposes a name from its title and the date.
TEST_F(FixedFilesTest, SaveWritesTheDocumentsOwnFileAndProposesANameForANewOne) {
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    measuredRows(2);
    view().InformationPage()->texts().title = "Chromium";
    view().InformationPage()->showData();
    chooser.script = {{QString::fromStdString(dir.file("first.qua")), false}};
    frame->refreshCommands();
    frame->action(fixed::kSave)->trigger();
    EXPECT_EQ(chooser.calls, 1) << "a new document asks where";
    EXPECT_TRUE(chooser.proposed.startsWith("Chromium " + QDate::currentDate().toString(Qt::ISODate)))
        << chooser.proposed.toStdString();
    ASSERT_TRUE(std::filesystem::exists(dir.file("first.qua")));

    measuredRows(3);
    frame->refreshCommands();
    frame->action(fixed::kSave)->trigger();
    EXPECT_EQ(chooser.calls, 1) << "Ctrl+S on a document with a file asks nothing";
    EXPECT_NE(test::readBytes(dir.file("first.qua")).find("[Sample]\nRows=3"), std::string::npos);
    EXPECT_FALSE(samples().modified());

    // A method-only file stays one.
    chooser.script = {{QString::fromStdString(dir.file("method.qm")), true}};
    frame->action(fixed::kSaveAs)->trigger();
    frame->refreshCommands();
    frame->action(fixed::kSave)->trigger();
    EXPECT_EQ(chooser.calls, 2);
    EXPECT_EQ(test::readBytes(dir.file("method.qm")).find("[Sample]"), std::string::npos);
}

TEST_F(FixedFilesTest, OpenAsksAboutUnsavedResultsFirstAndLoadsMethodOnlyFiles) {
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    test::writeBytes(dir.file("method.qm"),
                     "[Wavelength]\nNum=2\nWL1=500\nWL2=600\n[Setup]\nConcentration=0\n");
    measuredRows(3);
    messages.saveAnswers = {Answer::Cancel};
    frame->refreshCommands();
    frame->action(fixed::kOpen)->trigger();
    EXPECT_EQ(chooser.calls, 0) << "withdrawn before the dialog";
    EXPECT_EQ(samples().rowCount(), 3);

    messages.saveAnswers = {Answer::No};
    chooser.script = {{QString::fromStdString(dir.file("method.qm")), true}};
    frame->action(fixed::kLoad)->trigger();
    EXPECT_EQ(chooser.filters.back(), "Fixed points file(*.QUA);;Template file(*.QM)");
    EXPECT_EQ(view().MethodPage()->record().count, 2);
    EXPECT_EQ(samples().rowCount(), 3) << "a method-only load keeps the samples";
    EXPECT_EQ(samples().grid().text(0, 2), "600.0nm");

    // Not a document: refused, the window unchanged.
    test::writeBytes(dir.file("notes.qua"), "hello");
    EXPECT_FALSE(frame->openFile(QString::fromStdString(dir.file("notes.qua"))));
    EXPECT_EQ(view().MethodPage()->record().count, 2);
}

TEST_F(FixedFilesTest, ALoadKeepsTheFilesCalibration) {
    test::writeBytes(dir.file("config/tarvesta.zav.func.fixed.ini"),
                     "[Wavelength]\nNum=1\nWL1=350\n[Setup]\nReference=1\n");
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    // The window's own standards fit K1 = 100.
    fixed::SampleTable &standards = view().StandardTable()->table();
    view().StandardTable()->InitGrid(true);
    for (int row = 0; row < 3; ++row) {
        standards.writeMeasuredRow(row, standards.defaultName(row), std::vector<float>{0.1f * (row + 1)},
                                   true);
        standards.grid().setText(row + 1, 2, fixed::photometricText(0.1f * (row + 1), true));
        standards.grid().setText(row + 1, 3, std::to_string(10 * (row + 1)));
    }
    view().StandardTable()->Recalculate();
    ASSERT_NEAR(view().MethodPage()->record().coefficients[1], 100.0f, 1e-3);
    test::writeBytes(dir.file("other.qua"),
                     "[Setup]\nReference=1\nConcentration=1\n[Params]\nK1=0.5\nK2=7\nr=0.9\n"
                     "[Wavelength]\nNum=1\nWL1=350\n[Standard]\nRows=1\nCols=4\n"
                     "R1C0=S\nR1C1=0.1\nR1C2=0.1\nR1C3=1.2\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(dir.file("other.qua"))));
    const fixed::FixedMethodRecord &method = view().MethodPage()->record();
    EXPECT_FLOAT_EQ(method.coefficients[0], 0.5f);
    EXPECT_FLOAT_EQ(method.coefficients[1], 7.0f);
    EXPECT_FLOAT_EQ(method.correlation, 0.9f);
    EXPECT_EQ(standards.rowCount(), 1);
}

// A new fit leaves the samples' concentrations as the old one gave them: marked, and Save offers to
// recalculate them before anything is written.
TEST_F(FixedFilesTest, ConcentrationsOfAnEarlierCalibrationAreMarkedAndSaveOffersToRecalculate) {
    test::writeBytes(dir.file("config/tarvesta.zav.func.fixed.ini"),
                     "[Wavelength]\nNum=1\nWL1=350\n[Setup]\nReference=1\nConcentration=1\n");
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    EXPECT_EQ(view().MethodPage()->record().calibrationSource, fixed::CalibrationSource::Earlier)
        << "a new document has measured no calibration";
    CFixedSample &standardPage = *view().StandardTable();
    fixed::SampleTable &standards = standardPage.table();
    standardPage.InitGrid(true);
    const char *concentrations[] = {"10", "20", "32"};
    for (int row = 0; row < 3; ++row) {
        standards.writeMeasuredRow(row, standards.defaultName(row), std::vector<float>{0.1f * (row + 1)},
                                   true);
        standards.grid().setText(row + 1, 2, fixed::photometricText(0.1f * (row + 1), true));
        standards.grid().setText(row + 1, 3, concentrations[row]);
    }
    standardPage.Recalculate();
    EXPECT_EQ(view().MethodPage()->record().calibrationSource, fixed::CalibrationSource::Standards);
    CFixedSample &samplePage = *view().SamplePage();
    samplePage.InitGrid(true);
    measuredRows(2);
    samples().grid().setText(1, 2, "0.2500");
    samples().grid().setText(2, 2, "0.1500");
    samplePage.Recalculate();
    EXPECT_TRUE(samplePage.note().isEmpty());

    auto *fit = frame->findChild<QComboBox *>("fit");
    ASSERT_TRUE(fit);
    fit->setCurrentIndex(1);
    emit fit->activated(1);
    EXPECT_EQ(view().MethodPage()->record().methodIndex, 1);
    const std::string linear = samples().grid().text(1, 3);
    EXPECT_EQ(samplePage.note(), "The marked concentrations were computed with an earlier calibration.");

    messages.saveAnswers = {Answer::Cancel};
    chooser.script = {{QString::fromStdString(dir.file("never.qua")), false}};
    frame->action(fixed::kSaveAs)->trigger();
    EXPECT_EQ(messages.asked.back(),
              "The concentrations were computed with an earlier calibration. Recalculate them now?");
    EXPECT_EQ(chooser.calls, 0) << "cancelled before the file dialog";

    messages.saveAnswers = {Answer::Yes};
    chooser.script = {{QString::fromStdString(dir.file("quadratic.qua")), false}};
    frame->action(fixed::kSaveAs)->trigger();
    EXPECT_NE(samples().grid().text(1, 3), linear);
    EXPECT_TRUE(samplePage.note().isEmpty());
    fixed::StoredDocument stored(fixed::MethodKind::FixedPoints);
    ASSERT_TRUE(stored.load(dir.file("quadratic.qua"), false).read);
    EXPECT_TRUE(fixed::staleConcentrationRows(stored.samples(), stored.method()).empty());
    EXPECT_EQ(stored.samples().grid().text(1, 3), samples().grid().text(1, 3));
    EXPECT_EQ(stored.method().calibrationSource, fixed::CalibrationSource::Standards);
    // The client recomputes the saved document to the same digits.
    ASSERT_FALSE(stored.recalculate());
    EXPECT_EQ(stored.samples().grid().text(1, 3), samples().grid().text(1, 3));
    EXPECT_EQ(stored.samples().grid().text(2, 3), samples().grid().text(2, 3));
}

TEST_F(FixedFilesTest, InformationTextsTravelWithTheDocument) {
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    CFixedMemo *memo = view().InformationPage();
    memo->field("title")->setText("Chromium VI");
    memo->memoField()->setPlainText("first\nsecond");
    ASSERT_TRUE(view().SaveDocument(dir.file("cr.qua"), false));
    const std::string text = test::readBytes(dir.file("cr.qua"));
    EXPECT_NE(text.find("Title=Chromium VI\n"), std::string::npos);
    EXPECT_NE(text.find("Memo=first\x02\x01second\n"), std::string::npos);
    EXPECT_EQ(text.find("Operator"), std::string::npos) << "the operator is the program's";
    // Typing stops at 999 characters; a longer memo from a file stays whole.
    memo->memoField()->setPlainText(QString(999, 'a'));
    memo->memoField()->textCursor().insertText("b");
    EXPECT_EQ(memo->memoField()->toPlainText().size(), 999);
    test::writeBytes(dir.file("long.qua"),
                     "[Setup]\nMethod=0\n[Report]\nMemo=" + std::string(1500, 'c') + "\n");
    ASSERT_TRUE(frame->openFile(QString::fromStdString(dir.file("long.qua"))));
    EXPECT_EQ(memo->memoField()->toPlainText().size(), 1500);
    memo->takeData();
    EXPECT_EQ(memo->texts().memo.size(), 1500u);
}

int pdfPages(const std::string &path) {
    const std::string pdf = test::readBytes(path);
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    return pages;
}

TEST_F(FixedFilesTest, AReportOf200RowsPrintsIntoAPdf) {
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    measuredRows(200);
    messages.answer = true;
    ASSERT_TRUE(frame->printToPdf(QString::fromStdString(dir.file("report.pdf"))));
    EXPECT_GT(frame->printedPageCount(), 1);
    EXPECT_EQ(pdfPages(dir.file("report.pdf")), frame->printedPageCount());

    // Declining the last table prints nothing.
    messages.answerFor = [](const std::string &question) { return question != "Print this page?"; };
    messages.asked.clear();
    EXPECT_FALSE(frame->printToPdf(QString::fromStdString(dir.file("declined.pdf"))));
    EXPECT_FALSE(std::filesystem::exists(dir.file("declined.pdf")));
}

// The tables' "Print..." prints the document as the Document menu does (here: no printer, so the
// offer of a PDF instead, declined).
TEST_F(FixedFilesTest, TheTablesPrintButtonPrintsTheDocument) {
    show(makeFixedPointsWindow({{offline, shared, flags, accessories}}));
    measuredRows(2);
    frame->refreshCommands();
    auto *button = frame->view().SamplePage()->findChild<QPushButton *>("print");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    messages.answer = false;
    messages.asked.clear();
    button->click();
    if (QPrinterInfo::defaultPrinter().isNull()) {
        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_NE(messages.asked[0].find("No printer is set up."), std::string::npos);
    }
}

TEST_F(FixedFilesTest, ADnaReportAsksForTheMemoAndTheSamplesOnly) {
    show(makeDnaProteinWindow({{offline, shared, flags, accessories}}));
    messages.answer = true;
    measuredRows(1);
    ASSERT_TRUE(frame->printToPdf(QString::fromStdString(dir.file("dna.pdf"))));
    EXPECT_EQ(messages.asked, (std::vector<std::string>{"Print the memo information?", "Print this page?"}));
    EXPECT_EQ(frame->printedPageCount(), 1);
}

} // namespace
} // namespace spectavo::app
