#pragma once

#include <QDialog>

#include "core/link/hubloader.h"
#include "core/link/hubsetup.h"

class QComboBox;
class QGroupBox;

namespace spectavo::app {

// "Communication Hub Setup": the installed drivers and the chosen driver's own settings panel.
class CHubSetup : public QDialog {
public:
    explicit CHubSetup(QWidget *parent);
    ~CHubSetup() override;

private:
    void openSelected();
    void adoptDriverPanel();

    link::SharedLibraryLoader m_loader;
    link::HubSetupModel m_setup{m_loader};
    QComboBox *m_drivers;
    QGroupBox *m_panelArea;
};

} // namespace spectavo::app
