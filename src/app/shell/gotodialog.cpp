#include "app/shell/gotodialog.h"
#include "app/shell/qtmessageservice.h"
#include "app/widgets/uitext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace spectavo::app {

CGotoDialog::CGotoDialog(link::StationLink &link, int absorbanceMode, QWidget *parent)
    : QDialog(parent), m_model(link, &m_target, absorbanceMode) {
    setWindowTitle(ui("Goto specified wavelength"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(ui("Wavelength (nm)"), this), 0, 0);
    m_wavelength = new QLineEdit(QString::fromStdString(m_model.initialWavelengthText()), this);
    m_wavelength->setObjectName("wavelength");
    layout->addWidget(m_wavelength, 0, 1);
    m_readout = new QLabel(this);
    m_readout->setObjectName("readout");
    QFont big = m_readout->font();
    big.setPointSize(big.pointSize() * 2);
    m_readout->setFont(big);
    layout->addWidget(m_readout, 1, 0, 1, 2);
    m_absorbance = new QRadioButton(ui("&Abs"), this);
    m_transmittance = new QRadioButton("&T%", this);
    (m_model.transmittance() ? m_transmittance : m_absorbance)->setChecked(true);
    layout->addWidget(m_absorbance, 2, 0);
    layout->addWidget(m_transmittance, 2, 1);
    auto *go = new QPushButton(ui("Goto"), this);
    auto *zero = new QPushButton(ui("&Zero"), this);
    auto *close = new QPushButton(ui("Close"), this);
    layout->addWidget(go, 3, 0);
    layout->addWidget(zero, 3, 1);
    layout->addWidget(close, 3, 2);
    connect(go, &QPushButton::clicked, this, [this] { moveTo(false); });
    connect(zero, &QPushButton::clicked, this, [this] { moveTo(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_absorbance, &QRadioButton::toggled, this, [this](bool on) {
        m_model.setTransmittance(!on);
        refresh();
    });
    moveTo(false);
}

CGotoDialog::~CGotoDialog() {
    m_model.close(); // no reading is written into this dialog once it is gone
}

void CGotoDialog::moveTo(bool thenZero) {
    std::string error;
    const auto nanometres = m_model.parseWavelength(m_wavelength->text().toStdString(), &error);
    if (!nanometres) {
        messages().show(windowTitle().toStdString(), error, shell::MessageService::Icon::Warning);
        return;
    }
    if (thenZero)
        m_model.zero(*nanometres);
    else
        m_model.gotoWavelength(*nanometres);
    refresh();
}

void CGotoDialog::refresh() {
    m_readout->setText(QString::fromStdString(m_model.display()));
}

bool CGotoDialog::event(QEvent *event) {
    if (event->type() == NotifyEvent::eventType()) {
        const link::Notification &notification = static_cast<NotifyEvent *>(event)->notification();
        if (notification.kind == link::NotifyKind::Acquisition)
            m_model.onAcquisitionNotify(notification.code, notification.value);
        refresh();
        return true;
    }
    return QDialog::event(event);
}

} // namespace spectavo::app
