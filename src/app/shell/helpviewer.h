#pragma once

#include <QDialog>

class QListWidget;
class QTextBrowser;

namespace spectavo::app {

// The program's own help viewer: the topics on the left, the page on the right, links followed inside
// it, Back to the page before. It reads the pages beside the program and needs no browser.
class CHelpViewer : public QDialog {
public:
    CHelpViewer(const QString &helpDirectory, QWidget *parent);
    // Shows a topic's page (by its Help menu command id); false when the page is not there.
    bool showTopic(int commandId);
    QTextBrowser *browser() const { return m_browser; }
    QListWidget *contents() const { return m_contents; }

private:
    QString m_directory;
    QListWidget *m_contents;
    QTextBrowser *m_browser;
};

} // namespace spectavo::app
