#include "app/shell/helpviewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/widgets/uitext.h"
#include "core/shell/desktopservices.h"

namespace spectavo::app {

CHelpViewer::CHelpViewer(const QString &helpDirectory, QWidget *parent)
    : QDialog(parent), m_directory(helpDirectory), m_contents(new QListWidget), m_browser(new QTextBrowser) {
    setWindowTitle(ui("Spectavo Help"));
    setModal(false);
    resize(860, 560);
    for (const shell::HelpTopic &topic : shell::helpTopics()) {
        auto *item = new QListWidgetItem(ui(topic.menuText).remove('&'), m_contents);
        item->setData(Qt::UserRole, topic.commandId);
    }
    m_browser->setSearchPaths({helpDirectory});
    m_browser->setOpenExternalLinks(false);
    auto *back = new QPushButton(ui("&Back"));
    back->setEnabled(false);
    auto *close = new QPushButton(ui("&Close"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *split = new QSplitter;
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(split);
    layout->addLayout(buttons);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showTopic(item->data(Qt::UserRole).toInt()); });
}

bool CHelpViewer::showTopic(int commandId) {
    const QString page =
        QString::fromStdString(shell::helpPagePath(m_directory.toStdString() + "/..", commandId));
    const QString file = m_directory + "/" + QFileInfo(page).fileName();
    if (!QFileInfo(file).isFile())
        return false;
    m_browser->setSource(QUrl::fromLocalFile(file));
    for (int i = 0; i < m_contents->count(); ++i)
        if (m_contents->item(i)->data(Qt::UserRole).toInt() == commandId)
            m_contents->setCurrentRow(i);
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace spectavo::app
