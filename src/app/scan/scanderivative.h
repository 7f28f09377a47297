#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Derivative": the order and the result's name.
class CScanDerivative : public QDialog {
public:
    CScanDerivative(const QString &resultName, int colourIndex, QWidget *parent = nullptr);
    int order() const;
    QString resultName() const;
    // The result's colour, an index of the colour table.
    int colourIndex() const;

private:
    QSpinBox *m_order;
    QLineEdit *m_name;
    QComboBox *m_colour = nullptr;
};

} // namespace spectavo::app
