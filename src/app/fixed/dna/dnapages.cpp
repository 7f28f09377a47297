#include "app/fixed/dna/dnapages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedmemo.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/fixed/readoutsequence.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

constexpr const char *kNewDocumentForMethod =
    SPECTAVO_TEXT("The table holds results of another method, and a document keeps one method.\n"
                  "Start a new document with the new method?");

ProfileFile dnaConfiguration() {
    return ProfileFile(fixed::methodConfigurationFile(fixed::MethodKind::DnaProtein), true);
}

} // namespace

CDNAMethod::CDNAMethod(program::ProgramRecords program, QWidget *parent)
    : CFixedMethod(program, fixed::MethodKind::DnaProtein, parent) {
    buildControls();
    loadConfiguration();
    fillMethodList();
    OnMethodChanged();
    installKeyboardRules();
}

CDNAMethod::~CDNAMethod() {
    saveConfiguration();
}

void CDNAMethod::buildControls() {
    auto *layout = new QHBoxLayout(this);
    auto *left = new QGroupBox(ui("Method"), this);
    auto *grid = new QGridLayout(left);
    m_method = new QComboBox(left);
    m_method->setObjectName("method");
    auto *methodLabel = new QLabel(ui("&Method"), left);
    methodLabel->setBuddy(m_method);
    grid->addWidget(methodLabel, 0, 0);
    grid->addWidget(m_method, 0, 1, 1, 2);
    const char *labels[] = {SPECTAVO_TEXT("WL &1"), SPECTAVO_TEXT("WL &2"), SPECTAVO_TEXT("WL &3")};
    for (int i = 0; i < 3; ++i) {
        auto *field = new QLineEdit(left);
        field->setObjectName(QString("wl%1").arg(i + 1));
        field->setMaximumWidth(100);
        auto *label = new QLabel(ui(labels[i]), left);
        label->setBuddy(field);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(field, i + 1, 1);
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (!m_reporting)
                takeData();
        });
        m_wavelengths[static_cast<std::size_t>(i)] = field;
    }
    m_reference = new QCheckBox(ui("With &Reference"), left);
    m_reference->setObjectName("reference");
    grid->addWidget(m_reference, 3, 2);
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(left);
        field->setObjectName(QString("f%1").arg(i + 1));
        field->setMaximumWidth(120);
        grid->addWidget(new QLabel(ui("Coef. f%1=").arg(i + 1), left), i + 4, 0);
        grid->addWidget(field, i + 4, 1);
        m_factors[static_cast<std::size_t>(i)] = field;
    }
    m_unit = new QComboBox(left);
    m_unit->setObjectName("unit");
    m_unit->setEditable(true);
    grid->addWidget(new QLabel(ui("Unit"), left), 8, 0);
    grid->addWidget(m_unit, 8, 1);
    grid->setRowStretch(9, 1);
    layout->addWidget(left);

    auto *formulas = new QGroupBox(ui("Results"), this);
    auto *column = new QVBoxLayout(formulas);
    for (const char *text : {"C( DNA ) = f1*(A1-Aref) - f2*(A2- Aref)",
                             "C(Protein) = f3*(A2-Aref) - f4*(A1- Aref)", "Ratio = (A1-Aref) / (A2-Aref)"})
        column->addWidget(new QLabel(text, formulas));
    column->addStretch();
    layout->addWidget(formulas);
    layout->addStretch();

    fillUnitBox(*m_unit);
    connect(m_method, &QComboBox::activated, this, [this] { OnMethodChanged(); });
    connect(m_reference, &QCheckBox::clicked, this,
            [this] { runRule(&fixed::MethodForm::referenceChanged); });
}

void CDNAMethod::fillMethodList() {
    const ProfileFile file = dnaConfiguration();
    const ProfileFile::Batch batch(file);
    const QSignalBlocker block(m_method);
    m_method->clear();
    int index = 0;
    for (const std::string &name : fixed::DnaMethodList::read(batch).names)
        m_method->addItem(QString::fromStdString(name), index++);
    applyControls();
}

void CDNAMethod::OnMethodChanged() {
    if (m_method->currentData().toInt() != m_form.record().methodIndex && !mayReplaceMethod()) {
        applyControls(); // the list shows the document's method again
        return;
    }
    collectControls();
    m_form.take();
    const ProfileFile file = dnaConfiguration();
    const ProfileFile::Batch batch(file);
    fixed::applyDnaMethod(batch, m_form.record().methodIndex, m_form.record());
    showData();
    methodChanged();
}

void CDNAMethod::recordLoaded(bool fromInstrument) {
    CFixedMethod::recordLoaded(fromInstrument);
    // A document names its method; the factors and wavelengths are that method's as configured now.
    // An instrument record brings its own.
    if (!fromInstrument)
        OnMethodChanged();
}

void CDNAMethod::collectControls() {
    fixed::MethodControls &controls = m_form.controls();
    // Each entry carries its method's index: a document's method that the configuration lacks keeps
    // its own index rather than becoming the entry at that place.
    controls.methodIndex = std::max(m_method->currentData().toInt(), 0);
    controls.unit = m_unit->currentText().toStdString();
    controls.reference = m_reference->isChecked();
    for (std::size_t i = 0; i < m_wavelengths.size(); ++i)
        controls.wavelengths[i] = m_wavelengths[i]->text().toStdString();
    for (std::size_t i = 0; i < m_factors.size(); ++i)
        controls.coefficients[i] = m_factors[i]->text().toStdString();
}

void CDNAMethod::applyControls() {
    const fixed::MethodControls &controls = m_form.controls();
    {
        const QSignalBlocker block(m_method);
        int entry = m_method->findData(controls.methodIndex);
        if (entry < 0) {
            // Not configured here: shown as such, with the defaults its missing section gives.
            m_method->addItem(ui("Method %1 (not configured)").arg(controls.methodIndex + 1),
                              controls.methodIndex);
            entry = m_method->count() - 1;
        }
        m_method->setCurrentIndex(entry);
    }
    const QSignalBlocker blockUnit(m_unit);
    m_unit->setCurrentText(QString::fromStdString(controls.unit));
    m_reference->setChecked(controls.reference);
    for (std::size_t i = 0; i < m_wavelengths.size(); ++i) {
        setTextQuietly(m_wavelengths[i], controls.wavelengths[i]);
        m_wavelengths[i]->setEnabled(controls.wavelengthEnabled[i]);
    }
    for (std::size_t i = 0; i < m_factors.size(); ++i)
        setTextQuietly(m_factors[i], controls.coefficients[i]);
}

void CDNAMethod::focusField(const fixed::FieldProblem &problem) {
    QLineEdit *field = problem.field == fixed::FieldProblem::Coefficient
                           ? m_factors[static_cast<std::size_t>(std::clamp(problem.index, 0, 3))]
                           : m_wavelengths[static_cast<std::size_t>(std::clamp(problem.index, 0, 2))];
    field->setFocus();
    field->selectAll();
}

CDNAReadOut::CDNAReadOut(program::ProgramRecords program, const fixed::ReadoutPoints &points,
                         const std::array<std::string, 3> &resultNames, const std::array<float, 4> &factors,
                         QWidget *parent)
    : CFixedReadOut(program, points, parent, ui("DNA/Protein Measurement")), m_factors(factors) {
    setCompleteWanted(true);
    grid::GridModel &grid = readings();
    const int first = grid.rows();
    grid.resize(first + 3, grid.columns());
    for (int i = 0; i < 3; ++i)
        grid.setText(first + i, 0, strings::formatC("%8s", resultNames[static_cast<std::size_t>(i)].c_str()));
}

void CDNAReadOut::OnComplete() {
    m_results = fixed::dnaResults(values(), m_factors);
    grid::GridModel &grid = readings();
    const int first = grid.rows() - 3;
    const float shown[] = {m_results.dna, m_results.protein, m_results.ratio};
    for (int i = 0; i < 3; ++i)
        grid.setText(first + i, 1, strings::formatC("%f", static_cast<double>(shown[i])));
}

CDNASample::CDNASample(CFixedView &view, QWidget *parent) : CFixedSample(view, false, parent) {
    setParameterNames({"f1", "f2", "f3", "f4"}, false);
    setButtonTexts(ui("&Recalc"), ui("&Font"));
    InitGrid(true);
}

void CDNASample::InitGrid(bool withNames) {
    const ProfileFile file = dnaConfiguration();
    const ProfileFile::Batch batch(file);
    fixed::layoutDnaTable(table(), m_view.MethodPage()->record(),
                          fixed::DnaMethodList::read(batch).resultNames, withNames);
}

CFixedReadOut *CDNASample::CreateReadOut(int /*row*/, std::optional<QString> /*concentration*/) {
    const fixed::FixedMethodRecord &method = m_view.MethodPage()->record();
    const ProfileFile file = dnaConfiguration();
    const ProfileFile::Batch batch(file);
    m_readout = new CDNAReadOut(m_view.program(), fixed::readoutPointsOf(method),
                                fixed::DnaMethodList::read(batch).resultNames, method.coefficients, this);
    return m_readout;
}

void CDNASample::OnMeasured(CFixedReadOut &readout, int row) {
    table().setPreset(row, false);
    CDNAReadOut *dna = m_readout.data();
    if (!dna || dna != &readout)
        return;
    InitGrid(false);
    fixed::writeDnaResults(table(), m_view.MethodPage()->record(), row, dna->results());
}

CDNAView::CDNAView(const WindowHost &host, QWidget *parent)
    : CFixedView(host, fixed::DocumentFamily::DnaProtein, parent) {
    CreatePages();
}

void CDNAView::CreatePages() {
    addMethodPage(ui("Method"), new CDNAMethod(program()));
    addMemoPage(ui("Information"),
                new CFixedMemo(fixed::methodConfigurationFile(fixed::MethodKind::DnaProtein), false));
    addTablePage(ui("Sample"), kSampleKey, new CDNASample(*this));
    MethodPage()->methodChanged = [this] {
        if (CFixedSample *samples = SamplePage())
            samples->InitGrid(false);
        commandsChanged();
    };
    // Results and their factors belong together: rows of another method start a new document.
    MethodPage()->mayReplaceMethod = [this] {
        CFixedSample *samples = SamplePage();
        if (!samples || samples->table().rowCount() == 0)
            return true;
        return messages().ask("Spectavo", kNewDocumentForMethod, shell::MessageService::Icon::Question) &&
               newDocumentRequested();
    };
    SelectPage(kMethodKey);
}

MeasurementWindow *makeDnaProteinWindow(const WindowHost &host) {
    return new CFixedFrame(host, shell::DocumentKind::DnaProtein, new CDNAView(host));
}

} // namespace spectavo::app
