#include "app/fixed/fixedreadout.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/widgets/gridcontrol.h"
#include "app/widgets/uitext.h"
#include "core/fixed/calibration.h"
#include "core/fixed/sampletable.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

// "-0.0000" is a reading of nothing: it shows as 0.
QString readingText(float absorbance, bool absorbanceMode) {
    const std::string text = fixed::photometricText(absorbance, absorbanceMode);
    if (text.find("-0.0000") != std::string::npos)
        return "0";
    return QString::fromStdString(text);
}

} // namespace

CFixedReadOut::CFixedReadOut(program::ProgramRecords program, const fixed::ReadoutPoints &points,
                             QWidget *parent, const QString &title)
    : QDialog(parent), m_program(program), m_sequence(program.link, &m_target, points),
      m_grid(points.count + 1, 2), m_absorbance(program.flags.absorbanceMode != 0) {
    setWindowTitle(title);
    // Not modal: the main window's Stop must stay within reach during an automatic run. The window's
    // rules keep every other measurement off while a readout is open.
    m_grid.setFixed(1, 1);
    m_grid.setText(0, 0, strings::tr("Lambda"));
    m_grid.setText(0, 1, m_absorbance ? "Abs" : "T%");
    for (int i = 0; i < m_sequence.count(); ++i)
        m_grid.setText(i + 1, 0,
                       strings::formatC(
                           "%6.1fnm", static_cast<double>(points.wavelengths[static_cast<std::size_t>(i)])));
    m_grid.setColumnWidthTwips(0, 1700);
    m_grid.setColumnWidthTwips(1, 1300);
    m_grid.setRightAligned(1, true);

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName("name");
    m_name->setMaxLength(static_cast<int>(fixed::SampleTable::kMaxNameLength));
    form->addRow(ui("Sample &name"), m_name);
    layout->addLayout(form);
    m_table = new CGridControl(m_grid, this);
    m_table->setObjectName("readings");
    m_table->setMinimumHeight(120);
    layout->addWidget(m_table);
    m_resultArea = new QWidget(this);
    layout->addWidget(m_resultArea);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_startTimer = new QTimer(this);
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(fixed::ReadoutSequence::kStartDelay);
    connect(m_startTimer, &QTimer::timeout, this, [this] { begin(); });
}

CFixedReadOut::~CFixedReadOut() {
    m_sequence.close();
}

void CFixedReadOut::setName(const QString &name) {
    m_name->setText(name.left(static_cast<int>(fixed::SampleTable::kMaxNameLength)));
}

QString CFixedReadOut::name() const {
    return m_name->text();
}

void CFixedReadOut::start() {
    show();
    m_startTimer->start();
}

void CFixedReadOut::begin() {
    m_ok->setEnabled(false);
    m_sequence.begin();
}

void CFixedReadOut::showValue(int point) {
    m_grid.setText(point + 1, 1, readingText(m_sequence.value(point), m_absorbance).toStdString());
}

bool CFixedReadOut::event(QEvent *event) {
    if (event->type() != NotifyEvent::eventType())
        return QDialog::event(event);
    const auto reaction = m_sequence.handle(static_cast<NotifyEvent *>(event)->notification());
    if (reaction.shown)
        showValue(*reaction.shown);
    if (reaction.lastReading && m_completeWanted)
        OnComplete();
    if (reaction.stopped) {
        reject();
    } else if (reaction.done) {
        m_ok->setEnabled(true);
        if (m_autoClose || m_program.flags.remoteStartFlag != 0)
            accept();
    }
    return true;
}

void CFixedReadOut::done(int result) {
    m_startTimer->stop();
    m_sequence.close();
    QDialog::done(result);
}

CQuanReadOut::CQuanReadOut(program::ProgramRecords program, const fixed::ReadoutPoints &points, bool standard,
                           bool complete, const std::array<float, 4> &coefficients, QWidget *parent)
    : CFixedReadOut(program, points, parent, ui("Fixed Points Measuring")), m_standard(standard),
      m_coefficients(coefficients) {
    setCompleteWanted(complete);
    auto *form = new QFormLayout(resultArea());
    form->setContentsMargins(0, 0, 0, 0);
    m_effectiveField = new QLineEdit(resultArea());
    m_effectiveField->setObjectName("deltaAbs");
    m_effectiveField->setReadOnly(true);
    m_concentration = new QLineEdit(resultArea());
    m_concentration->setObjectName("concentration");
    m_concentration->setReadOnly(!standard);
    form->addRow(ui("deltaAbs"), m_effectiveField);
    form->addRow(ui("Conc."), m_concentration);
    resultArea()->setVisible(complete);
}

void CQuanReadOut::setConcentrationText(const QString &text) {
    m_concentration->setText(text);
}

QString CQuanReadOut::concentrationText() const {
    return m_concentration->text();
}

void CQuanReadOut::OnComplete() {
    const std::vector<float> read = values();
    m_effective =
        fixed::effectiveAbsorbance(read, std::span(sequence().points().wavelengths).first(read.size()));
    if (!m_effective)
        return;
    const std::string effective = strings::formatC("%.4f", static_cast<double>(*m_effective));
    m_effectiveField->setText(
        effective.find("-0.0000") != std::string::npos ? QString("0") : QString::fromStdString(effective));
    if (!m_standard)
        m_concentration->setText(
            QString::fromStdString(fixed::sampleConcentrationText(m_coefficients, effective).value_or("")));
}

} // namespace spectavo::app
