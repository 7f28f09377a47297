#include "app/shell/filemanagementdialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/widgets/uitext.h"

namespace spectavo::app {

CFileManagementDialog::CFileManagementDialog(link::StationLink &link, QWidget *parent)
    : QDialog(parent), m_model(link, &m_target) {
    setWindowTitle(ui("Photrak File Management"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(ui("File &Type"), this), 0, 0);
    m_types = new QComboBox(this);
    for (const std::string &name : shell::FileManagementModel::typeNames())
        m_types->addItem(ui(name));
    layout->addWidget(m_types, 1, 0);
    layout->addWidget(new QLabel(ui("&File Name"), this), 2, 0);
    m_files = new QListWidget(this);
    layout->addWidget(m_files, 3, 0, 4, 1);
    auto *refresh = new QPushButton(ui("&Refresh"), this);
    auto *remove = new QPushButton(ui("&Delete"), this);
    auto *open = new QPushButton(ui("&Open"), this);
    auto *cancel = new QPushButton(ui("&Cancel"), this);
    layout->addWidget(refresh, 3, 1);
    layout->addWidget(remove, 4, 1);
    layout->addWidget(open, 5, 1);
    layout->addWidget(cancel, 6, 1);

    connect(m_types, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.setType(index);
        m_model.refill();
        fill();
    });
    connect(refresh, &QPushButton::clicked, this, [this] {
        m_files->clear();
        m_model.requestDirectory();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_model.deleteEntry(m_files->currentRow()))
            QTimer::singleShot(shell::FileManagementModel::kDeleteGiveUpMs, this,
                               [this] { m_model.giveUpDelete(); });
    });
    auto choose = [this] {
        m_choice = m_model.choose(m_files->currentRow());
        if (m_choice)
            accept();
        else
            reject();
    };
    connect(open, &QPushButton::clicked, this, choose);
    connect(m_files, &QListWidget::itemDoubleClicked, this, choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_model.requestDirectory();
}

void CFileManagementDialog::fill() {
    m_files->clear();
    for (const auto &entry : m_model.entries())
        m_files->addItem(QString::fromStdString(entry.name));
}

bool CFileManagementDialog::event(QEvent *event) {
    if (event->type() == NotifyEvent::eventType()) {
        const link::Notification &notification = static_cast<NotifyEvent *>(event)->notification();
        if (notification.kind == link::NotifyKind::Station &&
            notification.code == link::kStationTransferDone) {
            m_model.directoryArrived();
            fill();
        } else if (notification.kind == link::NotifyKind::Acquisition &&
                   notification.code == link::kAcqAcknowledged) {
            m_model.acknowledged(notification.value);
        }
        return true;
    }
    return QDialog::event(event);
}

} // namespace spectavo::app
