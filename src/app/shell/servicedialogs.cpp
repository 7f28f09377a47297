#include "app/shell/servicedialogs.h"

#include <thread>

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/shell/qtmessageservice.h"
#include "app/widgets/gridcontrol.h"
#include "app/widgets/uitext.h"
#include "core/config/atomicfile.h"
#include "core/link/commands.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::app {

CStatusWindow::CStatusWindow(link::StationLink &link, QWidget *parent) : QDialog(parent), m_link(link) {
    setWindowTitle(ui("System Status"));
    auto *form = new QFormLayout(this);
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i] = new QLabel(this);
        form->addRow(ui(m_model.fields()[i].first), m_values[i]);
    }
    auto *buttons = new QHBoxLayout;
    auto *refreshButton = new QPushButton(ui("Refresh"), this);
    auto *close = new QPushButton(ui("Close"), this);
    buttons->addWidget(refreshButton);
    buttons->addWidget(close);
    form->addRow(buttons);
    connect(refreshButton, &QPushButton::clicked, this, [this] { m_link.commands().QueryStatus(); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    refresh();
}

void CStatusWindow::refresh() {
    m_model.refresh(m_link.status());
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(ui(m_model.fields()[i].second));
}

CDarkCurrentDialog::CDarkCurrentDialog(link::StationLink &link, QWidget *parent)
    : QDialog(parent), m_link(link), m_table(link.config().channels.load()) {
    setWindowTitle(ui("Refresh Background Current"));
    resize(420, 420);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ui("Refresh background...\nPlease wait a moment."), this));
    m_grid = new CGridControl(m_cells, this);
    layout->addWidget(m_grid);
    auto *row = new QHBoxLayout;
    for (const char *text : {SPECTAVO_TEXT("&Refresh"), SPECTAVO_TEXT("&Print"), SPECTAVO_TEXT("&Save"),
                             SPECTAVO_TEXT("&Load"), SPECTAVO_TEXT("&Close")}) {
        auto *button = new QPushButton(ui(text), this);
        row->addWidget(button);
        m_buttons.push_back(button);
    }
    layout->addLayout(row);
    connect(m_buttons[0], &QPushButton::clicked, this, [this] {
        m_table.reset(m_link.config().channels.load());
        showTable();
        if (m_link.operations().OpenCommandAcquisition(link::kCalibrateDarkCurrent, &m_target))
            setButtonsEnabled(false);
    });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, ui("Save"), {}, ui("Background Current Data(*.dark)"));
        if (!path.isEmpty())
            writeFileAtomically((path.endsWith(".dark") ? path : path + ".dark").toStdString(),
                                m_table.fileText());
    });
    connect(m_buttons[3], &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, ui("Load"), {}, ui("Background Current Data(*.dark)"));
        if (path.isEmpty())
            return;
        const FileText file = readTextFile(path.toStdString());
        if (file.status == FileText::Status::Read && m_table.loadFileText(file.text))
            showTable();
        else
            messages().show("Spectavo",
                            strings::trFormat("%s is not a dark current table.", path.toStdString().c_str()),
                            shell::MessageService::Icon::Error);
    });
    connect(m_buttons[4], &QPushButton::clicked, this, &QDialog::accept);
    showTable();
    m_link.operations().OpenCommandAcquisition(link::kReadDarkCurrent, &m_target);
}

CDarkCurrentDialog::~CDarkCurrentDialog() {
    m_link.operations().CloseAcquisitionOf(&m_target);
    delete m_grid; // before the cells it shows, which are destroyed ahead of the child widgets
}

void CDarkCurrentDialog::setButtonsEnabled(bool enabled) {
    for (std::size_t i = 0; i < 4; ++i)
        m_buttons[i]->setEnabled(enabled);
}

void CDarkCurrentDialog::showTable() {
    const int rows = static_cast<int>(m_table.rows());
    const int columns = static_cast<int>(m_table.columns());
    // Each report of a level comes here: the table's shape changes only with the level count.
    if (rows != m_cells.rows() || columns != m_cells.columns()) {
        m_cells.resize(rows, columns);
        m_cells.setFixed(1, 0);
        for (int c = 0; c < columns; ++c)
            m_cells.setRightAligned(c, true);
    }
    for (std::size_t r = 0; r < m_table.rows(); ++r)
        for (std::size_t c = 0; c < m_table.columns(); ++c)
            m_cells.setText(static_cast<int>(r), static_cast<int>(c), m_table.cell(r, c));
}

bool CDarkCurrentDialog::event(QEvent *event) {
    if (event->type() != NotifyEvent::eventType())
        return QDialog::event(event);
    const link::Notification &n = static_cast<NotifyEvent *>(event)->notification();
    if (n.kind == link::NotifyKind::Station && n.code == link::kStationDarkCount)
        m_table.setLevelCount(n.value);
    else if (n.kind == link::NotifyKind::Station && n.code == link::kStationDarkLevel && n.value >= 0 &&
             n.value < 20)
        m_table.setLevel(n.value, m_link.status().darkSample[static_cast<std::size_t>(n.value)].load(),
                         m_link.status().darkReference[static_cast<std::size_t>(n.value)].load());
    else if (n.kind == link::NotifyKind::Station && n.code == link::kStationOperation &&
             n.value == link::kOperationFinished)
        setButtonsEnabled(true);
    showTable();
    return true;
}

CAmplifierDialog::CAmplifierDialog(link::StationLink &link, QWidget *parent, bool showOk)
    : QDialog(parent), m_link(link) {
    setWindowTitle(ui("Analog to Digital Sampling"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ui("Drag and set the amplifier level: "), this));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(0, 10);
    m_slider->setValue(link.status().amplifierSetting.load() & 0x0F);
    layout->addWidget(m_slider);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(ui("&OK"), this);
    auto *cancel = new QPushButton(ui("&Cancel"), this);
    ok->setVisible(showOk);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    sendLevel();
    // The instrument needs a moment to settle after each new level.
    connect(m_slider, &QSlider::sliderReleased, this, [this] {
        sendLevel();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        sendLevel();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CAmplifierDialog::sendLevel() {
    m_link.commands().SetAmplifier(link::amplifierByte(m_slider->value()));
}

// Closing by Cancel, Escape or the window's close button all tell the instrument to drop the trial.
void CAmplifierDialog::reject() {
    m_link.commands().SetAmplifier(link::kAmplifierCancelled);
    QDialog::reject();
}

void showAmplifierDialog(link::StationLink &link, QWidget *parent, bool showOk) {
    CAmplifierDialog dialog(link, parent, showOk);
    dialog.exec();
}

} // namespace spectavo::app
