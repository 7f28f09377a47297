#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Setup the Savitzky-Golay Filter": degree, derivative order, half-width of the window and the
// result's name. Shared by the wavelength and the time scans.
class CSysMathSavGol : public QDialog {
public:
    CSysMathSavGol(const QString &resultName, int colourIndex, QWidget *parent = nullptr);
    void accept() override;

    int degree() const;
    int derivative() const;
    int halfWidth() const;
    QString resultName() const;
    // The result's colour, an index of the colour table.
    int colourIndex() const;

private:
    QSpinBox *m_degree;
    QSpinBox *m_derivative;
    QSpinBox *m_width;
    QLineEdit *m_name;
    QComboBox *m_colour = nullptr;
};

} // namespace spectavo::app
