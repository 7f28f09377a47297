#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace spectavo::app {

// "Setup the Savitzky-Golay Filter": degree, derivative order, half-width of the window and the
// result's name. Shared by the wavelength and the time scans.
class CSysMathSavGol : public QDialog {
public:
    CSysMathSavGol(const QString &resultName, QWidget *parent = nullptr);
    void accept() override;

    int degree() const;
    int derivative() const;
    int halfWidth() const;
    QString resultName() const;

private:
    QSpinBox *m_degree;
    QSpinBox *m_derivative;
    QSpinBox *m_width;
    QLineEdit *m_name;
};

} // namespace spectavo::app
