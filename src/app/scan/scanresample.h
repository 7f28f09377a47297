#pragma once

#include <QDialog>

class QSpinBox;

namespace spectavo::app {

// "Resample the spectrum": keep one point in every k.
class CScanResample : public QDialog {
public:
    explicit CScanResample(QWidget *parent = nullptr);
    int factor() const;

private:
    QSpinBox *m_factor;
};

} // namespace spectavo::app
