#pragma once

#include <QDialog>

class QLineEdit;

namespace spectavo::app {

// "Standard Samples Parameter Setup": the name and concentration of the next standard. "Next" closes
// with kNext so that the caller asks for the one after; OK closes with Accepted, Cancel with Rejected.
class CStandardSetup : public QDialog {
public:
    static constexpr int kNext = 50050;

    CStandardSetup(const QString &name, double concentration, QWidget *parent = nullptr);

    QString name() const;
    double concentration() const { return m_value; }
    QLineEdit *nameField() const { return m_name; }
    QLineEdit *concentrationField() const { return m_concentration; }

    // Takes the fields and closes with `result`; an invalid number keeps the dialog open.
    void finishWith(int result);

private:
    QLineEdit *m_name;
    QLineEdit *m_concentration;
    double m_value;
};

} // namespace spectavo::app
