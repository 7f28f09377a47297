#include "app/fixed/fixedmethod.h"

#include <algorithm>

#include <QLineEdit>

#include "app/fixed/fixedreadout.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"

namespace spectavo::app {

CFixedMethod::CFixedMethod(program::ProgramRecords program, fixed::MethodKind kind, QWidget *parent)
    : CFixedPage(parent), m_program(program), m_form(kind) {}

CFixedMethod::~CFixedMethod() = default;

// Quietly: the window is closing, there is nobody left to answer a message.
void CFixedMethod::saveConfiguration() {
    collectControls();
    updateRange();
    m_form.take();
    ProfileFile file(configurationFile(), true);
    ProfileFile::Batch batch(file);
    m_form.record().save(batch);
    batch.commit();
}

std::string CFixedMethod::configurationFile() const {
    return fixed::methodConfigurationFile(m_form.record().kind);
}

void CFixedMethod::updateRange() {
    m_form.setRange({m_program.link.config().wlMinTenths.load() / 10.0,
                     m_program.link.config().wlMaxTenths.load() / 10.0});
}

void CFixedMethod::loadConfiguration() {
    m_form.initialise();
    updateRange();
    const ProfileFile file(configurationFile(), true);
    const ProfileFile::Batch batch(file);
    m_form.load(batch);
    // Whatever the last document's calibration rested on, a new document has not measured it.
    m_form.record().calibrationSource = fixed::CalibrationSource::Earlier;
    applyControls();
}

void CFixedMethod::recordLoaded(bool) {
    updateRange();
    m_form.loaded();
    applyControls();
}

bool CFixedMethod::takeData() {
    collectControls();
    updateRange();
    const auto problem = m_form.take();
    applyControls();
    report(problem);
    return !problem && m_form.record().valid != 0;
}

void CFixedMethod::showData() {
    updateRange();
    m_form.show();
    applyControls();
}

void CFixedMethod::runRule(
    const std::function<std::optional<fixed::FieldProblem>(fixed::MethodForm &)> &rule) {
    if (m_reporting)
        return;
    collectControls();
    updateRange();
    const auto problem = rule(m_form);
    applyControls();
    report(problem);
    methodChanged();
}

void CFixedMethod::report(const std::optional<fixed::FieldProblem> &problem) {
    if (!problem || m_reporting)
        return;
    // The message box takes the focus away from the field: that must not check the field again.
    m_reporting = true;
    messages().show("Spectavo", problem->message, shell::MessageService::Icon::Warning);
    focusField(*problem);
    m_reporting = false;
}

bool CFixedMethod::CalibrateBlank(std::function<void(bool)> done) {
    if (!takeData())
        return false;
    const fixed::ReadoutPoints points = pointsWithoutBlanks();
    runBlankReadout(
        points,
        [this](const std::vector<float> &values) {
            fixed::FixedMethodRecord &record = m_form.record();
            std::copy(values.begin(), values.end(), record.blanks.begin());
            m_program.link.acquisition().blankAbsorbance.store(record.blanks[0]);
        },
        std::move(done));
    return true;
}

fixed::ReadoutPoints CFixedMethod::pointsWithoutBlanks() {
    fixed::FixedMethodRecord &method = m_form.record();
    fixed::ReadoutPoints points = fixed::readoutPointsOf(method);
    for (int i = 0; i < points.count; ++i)
        method.blanks[static_cast<std::size_t>(i)] = points.blanks[static_cast<std::size_t>(i)] = 0.0f;
    return points;
}

void CFixedMethod::runBlankReadout(const fixed::ReadoutPoints &points,
                                   std::function<void(const std::vector<float> &)> take,
                                   std::function<void(bool)> done) {
    auto *readout = new CFixedReadOut(m_program, points, this, ui("Blank Calibration"));
    readout->setAutoClose(true);
    connect(readout, &QDialog::finished, this,
            [this, readout, take = std::move(take), done = std::move(done)](int result) {
                const bool ok = result == QDialog::Accepted;
                if (ok)
                    take(readout->values());
                readout->deleteLater();
                setFocus();
                if (done)
                    done(ok);
            });
    readout->start();
}

void CFixedMethod::setEditable(bool editable) {
    // Disabling the page's own containers leaves fields that the page disabled for its own reasons
    // disabled when they come back; dialogs (the blank readout) are windows of their own and left alone.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->setEnabled(editable);
}

bool CFixedMethod::AutoBlank(std::function<void(bool)> done) {
    m_program.link.status().currentCell.store(0);
    return CalibrateBlank(std::move(done));
}

} // namespace spectavo::app
