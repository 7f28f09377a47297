#include "app/widgets/titlefit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>

namespace spectavo::app {

// The title bar's font is the window manager's, usually a bold face a little larger than the
// application's; its buttons and the window icon take about 140 pixels.
int DialogTitleFit::widthForTitle(const QWidget &window) {
    QFont font = window.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.1);
    constexpr int kButtonsAndIcon = 140;
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kButtonsAndIcon;
}

bool DialogTitleFit::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Show)
        if (auto *dialog = qobject_cast<QDialog *>(watched); dialog && dialog->isWindow()) {
            const int needed = std::min(widthForTitle(*dialog), 1200);
            if (dialog->minimumWidth() < needed && dialog->maximumWidth() >= needed)
                dialog->setMinimumWidth(needed);
        }
    return QObject::eventFilter(watched, event);
}

void installDialogTitleFit() {
    static DialogTitleFit *installed = nullptr;
    if (!installed && qApp) {
        installed = new DialogTitleFit(qApp);
        qApp->installEventFilter(installed);
    }
}

} // namespace spectavo::app
