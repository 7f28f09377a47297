#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Derivative": the order and the result's name.
class CScanDerivative : public QDialog {
public:
    CScanDerivative(const QString &resultName, QWidget *parent = nullptr);
    int order() const;
    QString resultName() const;

private:
    QSpinBox *m_order;
    QLineEdit *m_name;
};

} // namespace spectavo::app
