#pragma once

#include <array>

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;

namespace spectavo::drivers {

// The virtual instrument's settings panel inside the Communication Hub Setup: speed, the sample in
// each cell and the line faults. It edits config/tarvesta.zav.sim.ini; the instrument takes the new
// settings when the device is opened again.
class SimSetupPanel : public QWidget {
public:
    explicit SimSetupPanel(QWidget *parent);
    void save();

private:
    QDoubleSpinBox *m_speed;
    std::array<QComboBox *, 8> m_cells{};
    std::array<QDoubleSpinBox *, 4> m_faults{};
};

} // namespace spectavo::drivers
