#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Smooth the spectrum": the moving average's half-width and the result's name.
class CScanSmooth : public QDialog {
public:
    CScanSmooth(const QString &resultName, QWidget *parent = nullptr);
    int range() const;
    QString resultName() const;

private:
    QSpinBox *m_range;
    QLineEdit *m_name;
};

} // namespace spectavo::app
