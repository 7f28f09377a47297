#include "drivers/rs232/setuppanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "core/config/profilefile.h"
#include "drivers/common/drivertexts.h"
#include "drivers/rs232/rs232hub.h"

namespace spectavo::drivers {

Rs232SetupPanel::Rs232SetupPanel(QWidget *parent) : QWidget(parent) {
    const ProfileFile settings(Rs232Hub::kSettingsFile, true);
    auto *form = new QFormLayout(this);
    m_device =
        new QLineEdit(QString::fromStdString(settings.GetString("Port", "Device", "/dev/ttyS0")), this);
    m_device->setObjectName("device");
    m_device->setToolTip(ui("A serial device such as /dev/ttyUSB0, or tcp:HOST:PORT"));
    form->addRow(ui("Port"), m_device);
    m_baud = new QComboBox(this);
    m_baud->setObjectName("baud");
    for (const char *rate : {"9600", "19200", "38400", "57600", "115200", "230400"})
        m_baud->addItem(rate);
    m_baud->setCurrentText(QString::number(settings.GetInt("Port", "Baud", 115200)));
    form->addRow(ui("Baud rate"), m_baud);
}

void Rs232SetupPanel::save() {
    ProfileFile::Batch settings(ProfileFile(Rs232Hub::kSettingsFile, true));
    settings.PutString("Port", "Device", m_device->text().trimmed().toStdString());
    settings.PutInt("Port", "Baud", m_baud->currentText().toInt());
}

} // namespace spectavo::drivers
