#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Smooth the spectrum": the moving average's half-width and the result's name.
class CScanSmooth : public QDialog {
public:
    CScanSmooth(const QString &resultName, int colourIndex, QWidget *parent = nullptr);
    int range() const;
    QString resultName() const;
    // The result's colour, an index of the colour table.
    int colourIndex() const;

private:
    QSpinBox *m_range;
    QLineEdit *m_name;
    QComboBox *m_colour = nullptr;
};

} // namespace spectavo::app
