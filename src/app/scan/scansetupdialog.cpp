#include "app/scan/scansetupdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/acquisition/waveacquisition.h"
#include "core/config/profilefile.h"
#include "core/config/settingsfiles.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

// A number the operator typed, or nothing when the text is not one.
std::optional<float> numberIn(const QLineEdit *field) {
    bool ok = false;
    const float value = field->text().trimmed().toFloat(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

CScanSetupDialog::CScanSetupDialog(scan::ScanSettings &settings, bool instrumentReady, QWidget *parent)
    : QDialog(parent), m_settings(settings) {
    setWindowTitle(ui("Scan Setup"));
    const ProfileFile analyst(kAnalystSettingsFile, true);
    m_limitLow = analyst.GetFloat("ZAV Range", "fScanMin", "180");
    m_limitHigh = analyst.GetFloat("ZAV Range", "fScanMax", "1100");
    const ProfileFile file(scan::ScanSettings::kFileName, true);

    m_from = new QLineEdit(QString::fromStdString(scan::ScanSettings::rangeFieldText(settings.high)));
    m_from->setObjectName("from");
    m_to = new QLineEdit(QString::fromStdString(scan::ScanSettings::rangeFieldText(settings.low)));
    m_to->setObjectName("to");
    m_step = new QComboBox;
    m_step->setObjectName("step");
    for (int i = 0; i < std::max(scan::ScanSettings::stepCount(file), 1); ++i)
        m_step->addItem(QString::fromStdString(scan::ScanSettings::stepText(file, i)));
    m_step->setCurrentIndex(settings.stepIndex);
    m_filter = new QComboBox;
    for (int i = 0; i < std::max(scan::ScanSettings::filterCount(file), 1); ++i)
        m_filter->addItem(QString::fromStdString(scan::ScanSettings::filterText(file, i)));
    m_filter->setCurrentIndex(settings.filterIndex);
    m_useFilter = new QCheckBox(ui("Use Filter"));
    m_useFilter->setChecked(settings.smoothing.useFilter != 0);
    m_degree = new QSpinBox;
    m_degree->setRange(1, 10);
    m_degree->setValue(settings.smoothing.filterDegree);
    m_width = new QSpinBox;
    m_width->setRange(1, scan::SmoothingSettings::kMaxHalfWidth);
    m_width->setValue(settings.smoothing.filterWidth);
    const auto followUseFilter = [this] {
        m_degree->setEnabled(m_useFilter->isChecked());
        m_width->setEnabled(m_useFilter->isChecked());
    };
    connect(m_useFilter, &QCheckBox::toggled, this, followUseFilter);
    followUseFilter();

    auto *form = new QFormLayout(this);
    form->addRow(ui("From"), m_from);
    form->addRow(ui("To"), m_to);
    form->addRow(ui("Ste&p"), m_step);
    form->addRow(ui("Filte&r"), m_filter);
    form->addRow(m_useFilter);
    form->addRow(ui("&Degree"), m_degree);
    form->addRow(ui("&Width"), m_width);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(instrumentReady);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CScanSetupDialog::accept() {
    const std::string range =
        strings::trFormat("Please enter a number between %g and %g.", static_cast<double>(m_limitLow),
                          static_cast<double>(m_limitHigh));
    const auto within = [this](std::optional<float> value) {
        return value && *value >= m_limitLow && *value <= m_limitHigh;
    };
    for (QLineEdit *field : {m_from, m_to})
        if (!within(numberIn(field))) {
            messages().show("Spectavo", range, shell::MessageService::Icon::Warning);
            field->setFocus();
            return;
        }
    float high = *numberIn(m_from);
    float low = *numberIn(m_to);
    if (high < low)
        std::swap(high, low);
    const float step =
        scan::ScanSettings::stepNm(ProfileFile(scan::ScanSettings::kFileName, true), m_step->currentIndex());
    if (const auto refusal = WaveAcquisition::refusalFor(high, low, step)) {
        messages().show("Spectavo", *refusal, shell::MessageService::Icon::Warning);
        return;
    }
    m_settings.high = high;
    m_settings.low = low;
    m_settings.stepIndex = m_step->currentIndex();
    m_settings.filterIndex = m_filter->currentIndex();
    m_settings.smoothing.useFilter = m_useFilter->isChecked() ? 1 : 0;
    m_settings.smoothing.filterDegree = m_degree->value();
    m_settings.smoothing.filterWidth = m_width->value();
    QDialog::accept();
}

} // namespace spectavo::app
