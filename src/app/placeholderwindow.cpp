#include "app/placeholderwindow.h"

#include <QFileInfo>

namespace spectavo::app {

CPlaceholderWindow::CPlaceholderWindow(shell::DocumentKind kind)
    : QLabel(QString("The %1 window is not built yet.").arg(shell::documentKindInfo(kind).title)),
      m_kind(kind) {
    setAlignment(Qt::AlignCenter);
}

bool CPlaceholderWindow::openFile(const QString &path) {
    return QFileInfo(path).isFile();
}

} // namespace spectavo::app
