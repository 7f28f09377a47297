#include "drivers/sim/setuppanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "core/config/profilefile.h"
#include "core/strings/translation.h"
#include "drivers/common/drivertexts.h"
#include "sim/samples.h"
#include "sim/simsettings.h"

namespace spectavo::drivers {
namespace {

QDoubleSpinBox *probabilityBox(QWidget *parent, double value, const char *name) {
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0.0, 1.0);
    box->setDecimals(3);
    box->setSingleStep(0.01);
    box->setValue(value);
    return box;
}

} // namespace

SimSetupPanel::SimSetupPanel(QWidget *parent) : QWidget(parent) {
    sim::SimSettings settings;
    settings.load(ProfileFile(sim::SimSettings::kFileName, true));

    auto *layout = new QGridLayout(this);
    auto *form = new QFormLayout;
    m_speed = new QDoubleSpinBox(this);
    m_speed->setObjectName("speed");
    m_speed->setRange(0.1, 1000.0);
    m_speed->setValue(settings.speedFactor);
    form->addRow(ui("Speed factor"), m_speed);
    const char *faultNames[] = {"drop", "corrupt", "duplicate", "refuse"};
    const double faultValues[] = {settings.faults.dropOutgoing, settings.faults.corruptOutgoing,
                                  settings.faults.duplicateOutgoing, settings.faults.refuseSends};
    const char *faultLabels[] = {SPECTAVO_TEXT("Lost packets"), SPECTAVO_TEXT("Damaged packets"),
                                 SPECTAVO_TEXT("Duplicated packets"), SPECTAVO_TEXT("Refused sends")};
    for (std::size_t i = 0; i < m_faults.size(); ++i) {
        m_faults[i] = probabilityBox(this, faultValues[i], faultNames[i]);
        form->addRow(ui(faultLabels[i]), m_faults[i]);
    }
    layout->addLayout(form, 0, 0);

    auto *cells = new QFormLayout;
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        m_cells[i] = new QComboBox(this);
        m_cells[i]->setObjectName(QString("cell%1").arg(i + 1));
        for (const std::string &name : sim::sampleNames())
            m_cells[i]->addItem(QString::fromStdString(name));
        const std::string current = i < settings.cells.size() ? settings.cells[i] : "empty";
        m_cells[i]->setCurrentText(QString::fromStdString(current));
        cells->addRow(ui("Cell %1").arg(i + 1), m_cells[i]);
    }
    layout->addLayout(cells, 0, 1);
}

void SimSetupPanel::save() {
    ProfileFile file(sim::SimSettings::kFileName, true);
    sim::SimSettings settings;
    settings.load(file);
    settings.speedFactor = m_speed->value();
    settings.cells.clear();
    for (QComboBox *cell : m_cells)
        settings.cells.push_back(cell->currentText().toStdString());
    settings.faults.dropOutgoing = m_faults[0]->value();
    settings.faults.corruptOutgoing = m_faults[1]->value();
    settings.faults.duplicateOutgoing = m_faults[2]->value();
    settings.faults.refuseSends = m_faults[3]->value();
    ProfileFile::Batch batch(file);
    settings.saveSetup(batch);
}

} // namespace spectavo::drivers
