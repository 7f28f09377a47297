// The fixed points method page's controls.

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/fixed/fixedmethod.h"
#include "app/fixed/formulapicture.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"

namespace spectavo::app {
CQuanMethod::CQuanMethod(program::ProgramRecords program, QWidget *parent)
    : CFixedMethod(program, fixed::MethodKind::FixedPoints, parent) {
    buildControls();
    fillUnits();
    loadConfiguration();
    installKeyboardRules();
}

CQuanMethod::~CQuanMethod() {
    saveConfiguration();
}

void CQuanMethod::buildControls() {
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    layout->addLayout(left);
    left->addLayout(buildCountRow());
    left->addWidget(buildWavelengthGrid());
    left->addStretch();
    auto *right = new QVBoxLayout;
    layout->addLayout(right);
    layout->addStretch(1);
    buildCalibrationColumn(*right);
}

QHBoxLayout *CQuanMethod::buildCountRow() {
    auto *countRow = new QHBoxLayout;
    auto *countLabel = new QLabel(ui("&Number of WL points"), this);
    m_count = new QLineEdit(this);
    m_count->setObjectName("count");
    m_count->setMaximumWidth(48);
    countLabel->setBuddy(m_count);
    auto *up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setObjectName("countUp");
    auto *down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setObjectName("countDown");
    countRow->addWidget(countLabel);
    countRow->addWidget(m_count);
    countRow->addWidget(up);
    countRow->addWidget(down);
    countRow->addStretch();
    connect(up, &QToolButton::clicked, this, [this] { stepCount(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepCount(-1); });
    connect(m_count, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.trimmed().isEmpty())
            runRule(&fixed::MethodForm::countChanged);
    });

    return countRow;
}

QGroupBox *CQuanMethod::buildWavelengthGrid() {
    auto *wavelengths = new QGroupBox(ui("Wavelengths (nm)"), this);
    auto *grid = new QGridLayout(wavelengths);
    for (int i = 0; i < fixed::FixedMethodRecord::kMaxWavelengths; ++i) {
        auto *field = new QLineEdit(wavelengths);
        field->setObjectName(QString("wl%1").arg(i + 1));
        field->setMaximumWidth(80);
        const int column = (i / 10) * 2;
        grid->addWidget(new QLabel(ui("WL%1").arg(i + 1), wavelengths), i % 10, column);
        grid->addWidget(field, i % 10, column + 1);
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (!m_reporting)
                takeData();
        });
        m_wavelengths[static_cast<std::size_t>(i)] = field;
    }

    return wavelengths;
}

void CQuanMethod::buildCalibrationColumn(QVBoxLayout &right) {
    m_concentration = new QCheckBox(ui("&Calculate Concentration"), this);
    m_concentration->setObjectName("concentration");
    right.addWidget(m_concentration);
    auto *unitRow = new QHBoxLayout;
    auto *unitLabel = new QLabel(ui("Select a &Unit"), this);
    m_unit = new QComboBox(this);
    m_unit->setObjectName("unit");
    m_unit->setEditable(true);
    unitLabel->setBuddy(m_unit);
    unitRow->addWidget(unitLabel);
    unitRow->addWidget(m_unit, 1);
    right.addLayout(unitRow);
    m_standards = new QCheckBox(ui("&Use Standard Samples"), this);
    m_standards->setObjectName("standards");
    right.addWidget(m_standards);
    auto *fitRow = new QHBoxLayout;
    auto *fitLabel = new QLabel(ui("Curve &Fit"), this);
    m_fit = new QComboBox(this);
    m_fit->setObjectName("fit");
    m_fit->addItems({ui("Linear Fit"), ui("Quadratic Fit"), ui("Cubic Fit")});
    fitLabel->setBuddy(m_fit);
    fitRow->addWidget(fitLabel);
    fitRow->addWidget(m_fit, 1);
    right.addLayout(fitRow);

    auto *coefficients = new QGroupBox(ui("Coefficients"), this);
    auto *coefficientGrid = new QGridLayout(coefficients);
    for (int i = 0; i < fixed::FixedMethodRecord::kCoefficients; ++i) {
        auto *field = new QLineEdit(coefficients);
        field->setObjectName(QString("k%1").arg(i));
        field->setMaximumWidth(160);
        coefficientGrid->addWidget(new QLabel(QString("K%1").arg(i), coefficients), i, 0);
        coefficientGrid->addWidget(field, i, 1);
        m_coefficients[static_cast<std::size_t>(i)] = field;
    }
    right.addWidget(coefficients);
    m_picture = new CFormulaPicture(this);
    m_picture->setObjectName("formula");
    right.addWidget(m_picture);
    right.addStretch();

    connect(m_concentration, &QCheckBox::clicked, this,
            [this] { runRule(&fixed::MethodForm::concentrationSwitched); });
    connect(m_standards, &QCheckBox::clicked, this,
            [this] { runRule(&fixed::MethodForm::concentrationSwitched); });
    connect(m_fit, &QComboBox::activated, this, [this] { runRule(&fixed::MethodForm::methodChanged); });
}

void CQuanMethod::fillUnits() {
    fillUnitBox(*m_unit);
}

void CQuanMethod::stepCount(int delta) {
    runRule([delta](fixed::MethodForm &form) { return form.stepCount(delta); });
}

void CQuanMethod::collectControls() {
    fixed::MethodControls &controls = m_form.controls();
    controls.methodIndex = m_fit->currentIndex();
    controls.unit = m_unit->currentText().toStdString();
    controls.reference = m_standards->isChecked();
    controls.concentration = m_concentration->isChecked();
    controls.count = m_count->text().toStdString();
    for (std::size_t i = 0; i < m_wavelengths.size(); ++i)
        controls.wavelengths[i] = m_wavelengths[i]->text().toStdString();
    for (std::size_t i = 0; i < m_coefficients.size(); ++i)
        controls.coefficients[i] = m_coefficients[i]->text().toStdString();
}

void CQuanMethod::applyControls() {
    const fixed::MethodControls &controls = m_form.controls();
    const QSignalBlocker blockFit(m_fit);
    m_fit->setCurrentIndex(controls.methodIndex);
    m_fit->setEnabled(controls.fitEnabled);
    const QSignalBlocker blockUnit(m_unit);
    m_unit->setCurrentText(QString::fromStdString(controls.unit));
    m_unit->setEnabled(controls.unitEnabled);
    m_standards->setChecked(controls.reference);
    m_standards->setEnabled(controls.referenceEnabled);
    m_concentration->setChecked(controls.concentration);
    m_concentration->setEnabled(controls.concentrationEnabled);
    setTextQuietly(m_count, controls.count);
    for (std::size_t i = 0; i < m_wavelengths.size(); ++i) {
        setTextQuietly(m_wavelengths[i], controls.wavelengths[i]);
        m_wavelengths[i]->setEnabled(controls.wavelengthEnabled[i]);
    }
    for (std::size_t i = 0; i < m_coefficients.size(); ++i) {
        setTextQuietly(m_coefficients[i], controls.coefficients[i]);
        m_coefficients[i]->setEnabled(controls.coefficientEnabled[i]);
    }
    if (controls.pictureCount > 0)
        m_picture->setWavelengthCount(controls.pictureCount);
    m_picture->setVisible(m_form.record().count <= 3);
    m_picture->setEnabled(controls.pictureEnabled);
}

void CQuanMethod::focusField(const fixed::FieldProblem &problem) {
    QLineEdit *field = m_count;
    if (problem.field == fixed::FieldProblem::Wavelength)
        field = m_wavelengths[static_cast<std::size_t>(problem.index)];
    else if (problem.field == fixed::FieldProblem::Coefficient)
        field = m_coefficients[static_cast<std::size_t>(problem.index)];
    field->setFocus();
    field->selectAll();
}

} // namespace spectavo::app
