#pragma once

#include <vector>

#include <QDialog>

#include "core/scan/wave/wavecompute.h"

class QComboBox;
class QLineEdit;

namespace spectavo::app {

// "Spectra Addition/Subtraction": two spectra by name, the operation the command chose, the result's
// name. (The mathematics itself is spectrumArithmetic.)
class CWaveCompute : public QDialog {
public:
    // `names`: the names of the spectra that are not acquiring, in list order.
    CWaveCompute(std::vector<std::string> names, scan::SpectrumOperation operation,
                 QWidget *parent = nullptr);
    void accept() override;
    QString first() const;
    QString second() const;
    QString resultName() const;

private:
    void refillSecond();

    std::vector<std::string> m_names;
    QComboBox *m_first;
    QComboBox *m_second;
    QLineEdit *m_result;
};

} // namespace spectavo::app
