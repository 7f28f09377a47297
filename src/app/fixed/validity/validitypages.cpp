#include "app/fixed/validity/validitypages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/fixed/fixedframe.h"
#include "app/fixed/fixedmemo.h"
#include "app/fixed/fixedresult.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/gridcontrol.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/fixed/readoutsequence.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

constexpr const char *kReadoutTitle = SPECTAVO_TEXT("Instrument Validity Measurement");

ProfileFile validityConfiguration() {
    return ProfileFile(fixed::methodConfigurationFile(fixed::MethodKind::Validity), true);
}

fixed::ReadoutPoints scanPoints(float nominal, const std::array<float, fixed::kScanPoints> &blanks) {
    fixed::ReadoutPoints points;
    points.count = fixed::kScanPoints;
    const auto tenths = fixed::scanPointTenths(nominal);
    for (std::size_t k = 0; k < tenths.size(); ++k) {
        points.wavelengths[k] = static_cast<float>(tenths[k]) / 10.0f;
        points.blanks[k] = blanks[k];
    }
    return points;
}

} // namespace

CGlpGmpMethod::CGlpGmpMethod(program::ProgramRecords program, QWidget *parent)
    : CFixedMethod(program, fixed::MethodKind::Validity, parent) {
    buildControls();
    loadConfiguration();
    const ProfileFile file = validityConfiguration();
    const ProfileFile::Batch batch(file);
    m_data.loadStandards(batch);
    applyControls();
    installKeyboardRules();
}

CGlpGmpMethod::~CGlpGmpMethod() {
    saveConfiguration();
    if (photometric())
        saveStandards();
}

void CGlpGmpMethod::buildControls() {
    auto *layout = new QHBoxLayout(this);
    auto *setup = new QGroupBox(ui("Test"), this);
    auto *form = new QGridLayout(setup);
    m_test = new QComboBox(setup);
    m_test->setObjectName("test");
    m_test->addItems({ui("Photometric Validity Test"), ui("Wavelength Validity Test")});
    auto *testLabel = new QLabel(ui("&Select a method"), setup);
    testLabel->setBuddy(m_test);
    form->addWidget(testLabel, 0, 0);
    form->addWidget(m_test, 0, 1, 1, 3);
    m_count = new QLineEdit(setup);
    m_count->setObjectName("count");
    m_count->setMaximumWidth(48);
    auto *up = new QToolButton(setup);
    up->setArrowType(Qt::UpArrow);
    auto *down = new QToolButton(setup);
    down->setArrowType(Qt::DownArrow);
    auto *countLabel = new QLabel(ui("&Number of WLs"), setup);
    countLabel->setBuddy(m_count);
    form->addWidget(countLabel, 1, 0);
    form->addWidget(m_count, 1, 1);
    form->addWidget(up, 1, 2);
    form->addWidget(down, 1, 3);
    m_tolerance = new QLineEdit(setup);
    m_tolerance->setObjectName("tolerance");
    m_range = new QLineEdit(setup);
    m_range->setObjectName("range");
    m_range->setEnabled(false);
    auto *toleranceLabel = new QLabel(ui("&Tolerance"), setup);
    toleranceLabel->setBuddy(m_tolerance);
    form->addWidget(toleranceLabel, 2, 0);
    form->addWidget(m_tolerance, 2, 1, 1, 3);
    auto *rangeLabel = new QLabel(ui("Scan &Range"), setup);
    rangeLabel->setBuddy(m_range);
    form->addWidget(rangeLabel, 3, 0);
    form->addWidget(m_range, 3, 1, 1, 3);
    form->setRowStretch(4, 1);
    layout->addWidget(setup);

    auto *points = new QGroupBox(ui("Wavelengths and standards"), this);
    auto *grid = new QGridLayout(points);
    grid->addWidget(new QLabel(ui("Wavelength (nm)"), points), 0, 1);
    grid->addWidget(new QLabel(ui("Standard"), points), 0, 2);
    grid->setRowStretch(fixed::kValidityWavelengths + 1, 1);
    for (int i = 0; i < fixed::kValidityWavelengths; ++i) {
        const auto at = static_cast<std::size_t>(i);
        grid->addWidget(new QLabel(ui("WL %1").arg(i + 1), points), i + 1, 0);
        m_wavelengths[at] = new QLineEdit(points);
        m_wavelengths[at]->setObjectName(QString("wl%1").arg(i + 1));
        m_standards[at] = new QLineEdit(points);
        m_standards[at]->setObjectName(QString("standard%1").arg(i + 1));
        grid->addWidget(m_wavelengths[at], i + 1, 1);
        grid->addWidget(m_standards[at], i + 1, 2);
        connect(m_wavelengths[at], &QLineEdit::editingFinished, this, [this] {
            if (!m_reporting)
                takeData();
        });
    }
    layout->addWidget(points);
    layout->addStretch();

    const auto step = [this](int delta) {
        runRule([delta](fixed::MethodForm &rules) { return rules.stepCount(delta); });
    };
    connect(up, &QToolButton::clicked, this, [step] { step(1); });
    connect(down, &QToolButton::clicked, this, [step] { step(-1); });
    connect(m_count, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.trimmed().isEmpty())
            runRule(&fixed::MethodForm::countChanged);
    });
    connect(m_test, &QComboBox::activated, this, [this] { runRule(&fixed::MethodForm::countChanged); });
}

void CGlpGmpMethod::recordLoaded(bool fromInstrument) {
    // Standards never travel in documents: they are the configuration's. An instrument record brings
    // the standards its test was run with.
    if (!fromInstrument) {
        const ProfileFile file = validityConfiguration();
        const ProfileFile::Batch batch(file);
        m_data.loadStandards(batch);
    }
    m_data.clearScanBlanks();
    CFixedMethod::recordLoaded(fromInstrument);
}

void CGlpGmpMethod::documentSaved() {
    if (photometric())
        saveStandards();
}

void CGlpGmpMethod::saveStandards() const {
    ProfileFile file = validityConfiguration();
    ProfileFile::Batch batch(file);
    m_data.saveStandards(batch, m_form.record().capacity);
    batch.commit();
}

bool CGlpGmpMethod::takeData() {
    std::array<std::string, fixed::kValidityWavelengths> texts;
    std::array<bool, fixed::kValidityWavelengths> inUse{};
    for (std::size_t i = 0; i < m_standards.size(); ++i) {
        texts[i] = m_standards[i]->text().trimmed().toStdString();
        // While a message is up, a field losing the focus to it is not refused again.
        inUse[i] = !m_reporting && m_standards[i]->isEnabled();
    }
    if (const auto refused = m_data.takeStandards(texts, inUse)) {
        m_reporting = true;
        messages().show("Spectavo", SPECTAVO_TEXT("Enter a number."), shell::MessageService::Icon::Warning);
        m_standards[*refused]->setFocus();
        m_reporting = false;
        return false;
    }
    return CFixedMethod::takeData();
}

void CGlpGmpMethod::collectControls() {
    fixed::MethodControls &controls = m_form.controls();
    controls.methodIndex = m_test->currentIndex();
    controls.count = m_count->text().toStdString();
    for (std::size_t i = 0; i < m_wavelengths.size(); ++i)
        controls.wavelengths[i] = m_wavelengths[i]->text().toStdString();
    controls.coefficients[0] = m_tolerance->text().toStdString();
    controls.coefficients[1] = m_range->text().toStdString();
}

void CGlpGmpMethod::applyControls() {
    const fixed::MethodControls &controls = m_form.controls();
    {
        const QSignalBlocker block(m_test);
        m_test->setCurrentIndex(std::clamp(controls.methodIndex, 0, 1));
    }
    setTextQuietly(m_count, controls.count);
    setTextQuietly(m_tolerance, controls.coefficients[0]);
    setTextQuietly(m_range, controls.coefficients[1]);
    m_range->setEnabled(false);
    const int count = m_form.record().count;
    for (std::size_t i = 0; i < m_wavelengths.size(); ++i) {
        setTextQuietly(m_wavelengths[i], controls.wavelengths[i]);
        m_wavelengths[i]->setEnabled(static_cast<int>(i) < count);
        setTextQuietly(m_standards[i], fixed::MethodForm::numberText(m_data.standards[i]));
        m_standards[i]->setEnabled(static_cast<int>(i) < count && photometric());
    }
}

void CGlpGmpMethod::focusField(const fixed::FieldProblem &problem) {
    QLineEdit *field = m_count;
    if (problem.field == fixed::FieldProblem::Wavelength)
        field = m_wavelengths[static_cast<std::size_t>(
            std::clamp(problem.index, 0, fixed::kValidityWavelengths - 1))];
    else if (problem.field == fixed::FieldProblem::Coefficient)
        field = m_tolerance;
    field->setFocus();
    field->selectAll();
}

bool CGlpGmpMethod::CalibrateBlank(std::function<void(bool)> done) {
    if (!takeData())
        return false;
    if (!photometric()) {
        calibrateScanBlanks(0, std::move(done));
        return true;
    }
    const fixed::ReadoutPoints points = pointsWithoutBlanks();
    // The live readings keep the readout's closing blank: these blanks are the test's own.
    runBlankReadout(
        points,
        [this](const std::vector<float> &values) {
            std::copy(values.begin(), values.end(), m_form.record().blanks.begin());
        },
        std::move(done));
    return true;
}

void CGlpGmpMethod::calibrateScanBlanks(int wavelength, std::function<void(bool)> done) {
    const fixed::FixedMethodRecord &method = m_form.record();
    if (wavelength >= std::clamp(method.count, 1, fixed::kValidityWavelengths)) {
        if (done)
            done(true);
        return;
    }
    auto &blanks = m_data.scanBlanks[static_cast<std::size_t>(wavelength)];
    blanks.fill(0.0f);
    runBlankReadout(
        scanPoints(method.wavelengths[static_cast<std::size_t>(wavelength)], blanks),
        [this, wavelength](const std::vector<float> &values) {
            std::copy(values.begin(), values.end(),
                      m_data.scanBlanks[static_cast<std::size_t>(wavelength)].begin());
        },
        [this, wavelength, done = std::move(done)](bool ok) mutable {
            if (!ok) {
                if (done)
                    done(false);
                return;
            }
            calibrateScanBlanks(wavelength + 1, std::move(done));
        });
}

CGlpGmpSample::CGlpGmpSample(CFixedView &view, CGlpGmpMethod &method, QWidget *parent)
    : CFixedSample(view, false, parent), m_method(method), m_verdict(new QLabel(this)) {
    setParameterNames({ui("Tolerance")}, false);
    setButtonTexts(ui("&Recalc"), ui("Data &Font"));
    m_verdict->setObjectName("verdict");
    if (auto *column = qobject_cast<QVBoxLayout *>(layout()))
        column->insertWidget(1, m_verdict);
    InitGrid(true);
}

void CGlpGmpSample::showVerdict() {
    const std::string verdict = fixed::overallVerdict(table(), method().record().count);
    m_verdict->setText(verdict.empty() ? QString()
                                       : QString::fromStdString(strings::trFormat(
                                             fixed::kOverallVerdict, strings::tr(verdict).c_str())));
    const std::optional<QColor> colour = verdictColour(verdict);
    m_verdict->setStyleSheet(colour ? QString("font-weight: bold; color: %1;").arg(colour->name())
                                    : QString());
}

void CGlpGmpSample::InitGrid(bool) {
    fixed::layoutValidityTable(table(), method().record(), method().data(),
                               m_view.program().flags.absorbanceMode != 0, m_lastTest);
    showVerdict();
}

bool CGlpGmpSample::MeasureRow(int, std::optional<QString>, bool autoClose, std::optional<QString>,
                               std::function<void(bool)> done) {
    InitGrid(false);
    m_testStarted = MeasuredClock::now();
    if (method().record().methodIndex == fixed::kWavelengthTest)
        measureScan(0, std::move(done));
    else
        measurePhotometric(autoClose, std::move(done));
    return true;
}

void CGlpGmpSample::measurePhotometric(bool autoClose, std::function<void(bool)> done) {
    const fixed::FixedMethodRecord &record = method().record();
    auto *readout =
        new CFixedReadOut(m_view.program(), fixed::readoutPointsOf(record), this, ui(kReadoutTitle));
    readout->setAutoClose(autoClose);
    connect(readout, &QDialog::finished, this, [this, readout, done = std::move(done)](int result) {
        readout->deleteLater();
        const bool ok = result == QDialog::Accepted;
        if (ok) {
            const bool absorbance = m_view.program().flags.absorbanceMode != 0;
            fixed::writePhotometricRows(table(), readout->values(), method().data(), absorbance);
            Recalculate();
            keepTest(MeasuredState::Complete);
        } else {
            keepReadout(*readout, std::nullopt, m_testStarted);
        }
        finish(ok, done);
    });
    readout->start();
}

void CGlpGmpSample::measureScan(int wavelength, std::function<void(bool)> done) {
    const fixed::FixedMethodRecord &record = method().record();
    if (wavelength >= std::clamp(record.count, 1, fixed::kValidityWavelengths)) {
        keepTest(MeasuredState::Complete);
        finish(true, done);
        return;
    }
    const float nominal = record.wavelengths[static_cast<std::size_t>(wavelength)];
    auto *readout = new CFixedReadOut(
        m_view.program(),
        scanPoints(nominal, method().data().scanBlanks[static_cast<std::size_t>(wavelength)]), this,
        ui(kReadoutTitle));
    readout->setAutoClose(true);
    connect(readout, &QDialog::finished, this,
            [this, readout, wavelength, nominal, done = std::move(done)](int result) mutable {
                readout->deleteLater();
                if (result != QDialog::Accepted) {
                    if (wavelength > 0)
                        keepTest(MeasuredState::Stopped);
                    finish(wavelength > 0, done); // the rows measured so far keep their results
                    return;
                }
                const std::vector<float> values = readout->values();
                const int peak = fixed::highestPoint(values);
                const auto tenths = fixed::scanPointTenths(nominal);
                if (peak >= 0)
                    fixed::writeWavelengthRow(
                        table(), wavelength, static_cast<std::uint32_t>(std::lround(nominal * 10.0)),
                        tenths[static_cast<std::size_t>(peak)], values[static_cast<std::size_t>(peak)],
                        m_view.program().flags.absorbanceMode != 0);
                Recalculate();
                measureScan(wavelength + 1, std::move(done));
            });
    readout->start();
}

// The test's rows with their judgements and the verdict, for the results store.
void CGlpGmpSample::keepTest(MeasuredState state) {
    FixedReadoutResult result;
    result.family = fixed::DocumentFamily::Validity;
    result.state = state;
    result.started = m_testStarted;
    result.sample =
        method().record().methodIndex == fixed::kWavelengthTest ? "wavelength test" : "photometric test";
    result.method = m_view.methodText();
    result.points = fixed::readoutPointsOf(method().record());
    result.table = &table();
    for (int row = 0; row < table().rowCount(); ++row)
        result.rows.push_back(row);
    result.verdict = fixed::overallVerdict(table(), method().record().count);
    m_view.host().keepResult(fixedReadoutResult(result));
}

// A remotely started test is answered at its end like every other measurement.
void CGlpGmpSample::finish(bool measured, const std::function<void(bool)> &done) {
    setFocus();
    answerRemoteStart();
    m_view.commandsChanged();
    if (done)
        done(measured);
}

void CGlpGmpSample::Recalculate() {
    const fixed::FixedMethodRecord &record = method().record();
    fixed::judgeRows(table(), record.count,
                     record.methodIndex == fixed::kWavelengthTest ? fixed::kWavelengthTest
                                                                  : fixed::kPhotometricTest,
                     record.coefficients[0]);
    showVerdict();
}

CGlpGmpView::CGlpGmpView(const WindowHost &host, QWidget *parent)
    : CFixedView(host, fixed::DocumentFamily::Validity, parent) {
    CreatePages();
}

fixed::ValidityData *CGlpGmpView::validityData() {
    return m_method ? &m_method->data() : nullptr;
}

void CGlpGmpView::CreatePages() {
    m_method = new CGlpGmpMethod(program());
    addMethodPage(ui("Method"), m_method);
    addMemoPage(ui("Information"),
                new CFixedMemo(fixed::methodConfigurationFile(fixed::MethodKind::Validity), false));
    addTablePage(ui("Sample"), kSampleKey, new CGlpGmpSample(*this, *m_method));
    SelectPage(kMethodKey);
}

MeasurementWindow *makeValidityWindow(const WindowHost &host) {
    return new CFixedFrame(host, shell::DocumentKind::Validity, new CGlpGmpView(host));
}

} // namespace spectavo::app
