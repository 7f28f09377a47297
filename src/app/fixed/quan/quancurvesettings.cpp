#include "app/fixed/quan/quancurvesettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/fontcolourdialog.h"
#include "app/widgets/fonts.h"
#include "app/widgets/uitext.h"
#include "core/config/profilefile.h"
#include "core/fixed/fixedmethod.h"

namespace spectavo::app {
namespace {

std::string textOf(const QLineEdit *field) {
    return field->text().left(98).toStdString();
}

} // namespace

CQuanCurveSettings::CQuanCurveSettings(QWidget *parent) : CFixedPage(parent) {
    buildControls();
    fillUnitBox(*m_unit);
    loadConfiguration();
    installKeyboardRules();
}

void CQuanCurveSettings::buildControls() {
    auto *layout = new QHBoxLayout(this);
    auto *ranges = new QGroupBox(ui("Scales"), this);
    auto *grid = new QGridLayout(ranges);
    const auto addField = [&](const QString &label, const char *name, int row, int column) {
        auto *field = new QLineEdit(ranges);
        field->setObjectName(name);
        field->setMaximumWidth(100);
        grid->addWidget(new QLabel(label, ranges), row, column);
        grid->addWidget(field, row, column + 1);
        return field;
    };
    m_xMin = addField("Xmin", "xMin", 0, 0);
    m_xMax = addField("Xmax", "xMax", 0, 2);
    m_yMin = addField("Ymin", "yMin", 1, 0);
    m_yMax = addField("Ymax", "yMax", 1, 2);
    m_automatic = new QCheckBox(ui("Automatic Setting"), ranges);
    m_automatic->setObjectName("automatic");
    grid->addWidget(m_automatic, 2, 0, 1, 4);
    m_xStep = addField(ui("X Interval"), "xStep", 3, 0);
    m_yStep = addField(ui("Y Interval"), "yStep", 3, 2);
    auto *unitRow = new QHBoxLayout;
    m_unit = new QComboBox(ranges);
    m_unit->setObjectName("unit");
    m_unit->setEditable(true);
    unitRow->addWidget(new QLabel(ui("Unit of Conc."), ranges));
    unitRow->addWidget(m_unit, 1);
    grid->addLayout(unitRow, 4, 0, 1, 4);
    layout->addWidget(ranges);

    auto *shown = new QGroupBox(ui("Show"), this);
    auto *rows = new QGridLayout(shown);
    int row = 0;
    const auto addShown = [&](const QString &label, const char *name, int font, QLineEdit **title) {
        auto *box = new QCheckBox(label, shown);
        box->setObjectName(name);
        rows->addWidget(box, row, 0);
        if (title) {
            *title = new QLineEdit(shown);
            (*title)->setObjectName(QString(name) + "Text");
            rows->addWidget(*title, row, 1);
        }
        auto *button = new QPushButton(ui("Font"), shown);
        button->setAutoDefault(false);
        rows->addWidget(button, row, 2);
        m_fontButtons[static_cast<std::size_t>(font)] = button;
        connect(button, &QPushButton::clicked, this, [this, font] { chooseFont(font); });
        connect(box, &QCheckBox::clicked, this, [this] {
            takeData();
            apply();
        });
        ++row;
        return box;
    };
    m_showX = addShown(ui("X-Axis"), "showX", 0, &m_xTitle);
    m_showY = addShown(ui("Y-Axis"), "showY", 1, &m_yTitle);
    m_showTitle = addShown(ui("Title"), "showTitle", 2, &m_title);
    m_showStandard = addShown(ui("Standard"), "showStandard", 3, nullptr);
    m_showSample = addShown(ui("Sample"), "showSample", 4, nullptr);
    m_showParameter = addShown(ui("Fit Parameters"), "showParameter", 5, nullptr);
    auto *tickFont = new QPushButton(ui("Font"), shown);
    tickFont->setAutoDefault(false);
    rows->addWidget(new QLabel(ui("Tick labels"), shown), row, 0);
    rows->addWidget(tickFont, row, 2);
    m_fontButtons[6] = tickFont;
    connect(tickFont, &QPushButton::clicked, this, [this] { chooseFont(6); });
    auto *applyButton = new QPushButton(ui("Apply"), shown);
    applyButton->setObjectName("apply");
    applyButton->setAutoDefault(false);
    rows->addWidget(applyButton, row + 1, 2);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(m_automatic, &QCheckBox::clicked, this, [this] {
        takeData();
        apply();
    });
    layout->addWidget(shown);
    layout->addStretch();
}

QLineEdit *CQuanCurveSettings::field(const char *name) const {
    return findChild<QLineEdit *>(name);
}

void CQuanCurveSettings::loadConfiguration() {
    const ProfileFile file(fixed::methodConfigurationFile(fixed::MethodKind::FixedPoints), true);
    const ProfileFile::Batch batch(file);
    m_settings.load(batch);
    const ProfileFile fonts(fixed::CurveSettings::kFontFile, true);
    const ProfileFile::Batch fontBatch(fonts);
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        m_fonts[i] = toQFont(fontBatch.GetFont(static_cast<int>(i)));
        m_colours[i] = colourOf(fontBatch.GetFontColor(static_cast<int>(i)));
    }
    showData();
}

void CQuanCurveSettings::saveConfiguration() {
    takeData();
    if (m_settings.refuseDenseSteps()) {
        messages().show("Spectavo", fixed::CurveSettings::kTooDense, shell::MessageService::Icon::Warning);
        showData();
    }
    ProfileFile file(fixed::methodConfigurationFile(fixed::MethodKind::FixedPoints), true);
    ProfileFile::Batch batch(file);
    m_settings.save(batch);
    batch.commit();
    saveFonts();
    changed();
}

void CQuanCurveSettings::saveFonts() const {
    ProfileFile fonts(fixed::CurveSettings::kFontFile, true);
    ProfileFile::Batch batch(fonts);
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        batch.PutFont(static_cast<int>(i), fromQFont(m_fonts[i]));
        batch.PutFontColor(static_cast<int>(i), storedColour(m_colours[i]));
    }
    batch.commit();
}

void CQuanCurveSettings::apply() {
    saveConfiguration();
}

bool CQuanCurveSettings::takeData() {
    fixed::CurveSettings &s = m_settings;
    s.xMin = textOf(m_xMin);
    s.xMax = textOf(m_xMax);
    s.yMin = textOf(m_yMin);
    s.yMax = textOf(m_yMax);
    s.xStep = textOf(m_xStep);
    s.yStep = textOf(m_yStep);
    s.xTitle = textOf(m_xTitle);
    s.yTitle = textOf(m_yTitle);
    s.curveTitle = textOf(m_title);
    s.unit = m_unit->currentText().left(98).toStdString();
    s.autoTip = m_automatic->isChecked() ? 1 : 0;
    s.showX = m_showX->isChecked() ? 1 : 0;
    s.showY = m_showY->isChecked() ? 1 : 0;
    s.showTitle = m_showTitle->isChecked() ? 1 : 0;
    s.showStandard = m_showStandard->isChecked() ? 1 : 0;
    s.showSample = m_showSample->isChecked() ? 1 : 0;
    s.showParameter = m_showParameter->isChecked() ? 1 : 0;
    enableControls();
    return true;
}

void CQuanCurveSettings::showData() {
    const fixed::CurveSettings &s = m_settings;
    m_xMin->setText(QString::fromStdString(s.xMin));
    m_xMax->setText(QString::fromStdString(s.xMax));
    m_yMin->setText(QString::fromStdString(s.yMin));
    m_yMax->setText(QString::fromStdString(s.yMax));
    m_xStep->setText(QString::fromStdString(s.xStep));
    m_yStep->setText(QString::fromStdString(s.yStep));
    m_xTitle->setText(QString::fromStdString(s.xTitle));
    m_yTitle->setText(QString::fromStdString(s.yTitle));
    m_title->setText(QString::fromStdString(s.curveTitle));
    m_unit->setCurrentText(QString::fromStdString(s.unit));
    m_automatic->setChecked(s.autoTip != 0);
    m_showX->setChecked(s.showX != 0);
    m_showY->setChecked(s.showY != 0);
    m_showTitle->setChecked(s.showTitle != 0);
    m_showStandard->setChecked(s.showStandard != 0);
    m_showSample->setChecked(s.showSample != 0);
    m_showParameter->setChecked(s.showParameter != 0);
    enableControls();
}

void CQuanCurveSettings::enableControls() {
    m_xStep->setEnabled(!m_automatic->isChecked());
    m_yStep->setEnabled(!m_automatic->isChecked());
    m_xTitle->setEnabled(m_showX->isChecked());
    m_yTitle->setEnabled(m_showY->isChecked());
    m_title->setEnabled(m_showTitle->isChecked());
    const QCheckBox *boxes[] = {m_showX, m_showY, m_showTitle, m_showStandard, m_showSample, m_showParameter};
    for (std::size_t i = 0; i < 6; ++i)
        m_fontButtons[i]->setEnabled(boxes[i]->isChecked());
}

void CQuanCurveSettings::chooseFont(int number) {
    const auto index = static_cast<std::size_t>(number);
    const auto chosen = askFontAndColour(this, fromQFont(m_fonts[index]), storedColour(m_colours[index]));
    if (!chosen)
        return;
    m_fonts[index] = toQFont(chosen->font);
    m_colours[index] = colourOf(chosen->colour);
    changed();
}

} // namespace spectavo::app
