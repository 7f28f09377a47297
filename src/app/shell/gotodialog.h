#pragma once

#include <QDialog>

#include "app/shell/notifyevent.h"
#include "core/shell/gotomodel.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace spectavo::app {

// "Goto specified wavelength": moves the monochromator and shows a live, blank-corrected reading.
class CGotoDialog : public QDialog {
public:
    CGotoDialog(link::StationLink &link, int absorbanceMode, QWidget *parent);
    ~CGotoDialog() override;

protected:
    bool event(QEvent *event) override;

private:
    void moveTo(bool thenZero);
    void refresh();

    QtNotifyTarget m_target{this};
    shell::GotoModel m_model;
    QLineEdit *m_wavelength;
    QLabel *m_readout;
    QRadioButton *m_absorbance;
    QRadioButton *m_transmittance;
};

} // namespace spectavo::app
