#pragma once

#include <QDialog>

#include "app/shell/notifyevent.h"
#include "core/grid/gridmodel.h"
#include "core/link/stationlink.h"
#include "core/shell/servicetools.h"

class QLabel;
class QPushButton;
class QSlider;

namespace spectavo::app {

class CGridControl;

// "System Status": modeless, refreshed by every status report.
class CStatusWindow : public QDialog {
public:
    CStatusWindow(link::StationLink &link, QWidget *parent);
    void refresh();

private:
    link::StationLink &m_link;
    shell::StatusWindowModel m_model;
    std::array<QLabel *, shell::StatusWindowModel::kFields> m_values{};
};

// "Refresh Background Current": the dark current table read from the instrument, saved and loaded.
class CDarkCurrentDialog : public QDialog {
public:
    CDarkCurrentDialog(link::StationLink &link, QWidget *parent);
    ~CDarkCurrentDialog() override;

protected:
    bool event(QEvent *event) override;

private:
    void showTable();
    void setButtonsEnabled(bool enabled);

    link::StationLink &m_link;
    QtNotifyTarget m_target{this};
    shell::DarkCurrentTable m_table;
    grid::GridModel m_cells;
    CGridControl *m_grid;
    std::vector<QPushButton *> m_buttons;
};

// "Analog to Digital Sampling": the amplifier level 0..10, sent as the slider moves; Cancel sends the
// cancel value.
class CAmplifierDialog : public QDialog {
public:
    CAmplifierDialog(link::StationLink &link, QWidget *parent, bool showOk);
    void reject() override;

private:
    void sendLevel();

    link::StationLink &m_link;
    QSlider *m_slider;
};

// Runs the amplifier dialog modally.
void showAmplifierDialog(link::StationLink &link, QWidget *parent, bool showOk);

} // namespace spectavo::app
