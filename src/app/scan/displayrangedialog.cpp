#include "app/scan/displayrangedialog.h"

#include <cmath>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"
#include "core/scan/time/kinesetup.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

QLineEdit *numberField(const char *name, double value, bool interval = false) {
    auto *field = new QLineEdit(
        QString::fromStdString(interval ? strings::formatC("%.3f", value) : strings::formatC("%g", value)));
    field->setObjectName(name);
    return field;
}

std::optional<float> numberIn(const QLineEdit *field) {
    bool ok = false;
    const float value = field->text().trimmed().toFloat(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

CDisplayRangeDialog::CDisplayRangeDialog(scan::DisplayHistory &display, const scan::BaseScales &base,
                                         bool absorbance, QWidget *parent)
    : QDialog(parent), m_display(display), m_absorbance(absorbance) {
    setWindowTitle(ui("Display Range Setup"));
    const scan::CDisplayRange &range = display.range();
    // Seconds are whole, from 0 to the longest time scan; wavelengths stay within the base scales.
    m_timeAxis = range.axis == scan::ChartAxis::Time;
    if (m_timeAxis) {
        m_xLow = 0.0f;
        m_xHigh = static_cast<float>(scan::kMaxTotalTime);
    } else {
        m_xLow = base.xMin;
        m_xHigh = base.xMax;
    }
    m_xMin = numberField("xMin", m_timeAxis ? std::trunc(range.xMin) : range.xMin);
    m_xMax = numberField("xMax", m_timeAxis ? std::trunc(range.xMax) : range.xMax);
    m_yMin = numberField("yMin", range.yMin(absorbance));
    m_yMax = numberField("yMax", range.yMax(absorbance));
    m_manual = new QCheckBox(ui("Manual Settings"));
    m_manual->setChecked(range.manual != 0);
    m_xInterval = numberField("xInterval", range.xInterval, true);
    m_yInterval = numberField("yInterval", range.yInterval, true);
    const auto followManual = [this] {
        m_xInterval->setEnabled(m_manual->isChecked());
        m_yInterval->setEnabled(m_manual->isChecked());
    };
    connect(m_manual, &QCheckBox::toggled, this, followManual);
    followManual();

    auto *form = new QFormLayout(this);
    form->addRow(m_timeAxis ? ui("&Time Minimum") : ui("X Minimum"), m_xMin);
    form->addRow(m_timeAxis ? ui("Time Ma&ximum") : ui("X Maximum"), m_xMax);
    form->addRow(ui("Y Minimum"), m_yMin);
    form->addRow(ui("Y Maximum"), m_yMax);
    form->addRow(m_manual);
    form->addRow(ui("X Interval"), m_xInterval);
    form->addRow(ui("Y Interval"), m_yInterval);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void CDisplayRangeDialog::accept() {
    using Icon = shell::MessageService::Icon;
    for (QLineEdit *field : {m_xMin, m_xMax}) {
        const auto value = numberIn(field);
        const bool whole = !m_timeAxis || (value && std::trunc(*value) == *value);
        if (!value || !whole || *value < m_xLow || *value > m_xHigh) {
            messages().show(
                "Spectavo",
                strings::trFormat(m_timeAxis ? SPECTAVO_TEXT("Please enter an integer between %g and %g.")
                                             : SPECTAVO_TEXT("Please enter a number between %g and %g."),
                                  static_cast<double>(m_xLow), static_cast<double>(m_xHigh)),
                Icon::Warning);
            field->setFocus();
            return;
        }
    }
    for (QLineEdit *field : {m_yMin, m_yMax, m_xInterval, m_yInterval})
        if (!numberIn(field) && (field->isEnabled() || field == m_yMin || field == m_yMax)) {
            messages().show("Spectavo", SPECTAVO_TEXT("Please enter a number."), Icon::Warning);
            field->setFocus();
            return;
        }
    const bool manual = m_manual->isChecked();
    if (!m_display.applyRangeDialog(m_absorbance, *numberIn(m_xMin), *numberIn(m_xMax), *numberIn(m_yMin),
                                    *numberIn(m_yMax), manual, numberIn(m_xInterval).value_or(0.0f),
                                    numberIn(m_yInterval).value_or(0.0f))) {
        messages().show("Spectavo", scan::DisplayHistory::kTooDense, Icon::Warning);
        return;
    }
    QDialog::accept();
}

} // namespace spectavo::app
