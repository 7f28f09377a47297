#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace spectavo::drivers {

// The serial line's settings panel inside the Communication Hub Setup: the port (a device path, or
// tcp:HOST:PORT) and the baud rate, kept in config/tarvesta.zav.comm.rs232.ini.
class Rs232SetupPanel : public QWidget {
public:
    explicit Rs232SetupPanel(QWidget *parent);
    void save();

private:
    QLineEdit *m_device;
    QComboBox *m_baud;
};

} // namespace spectavo::drivers
