#include "app/widgets/menucommands.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace spectavo::app {

QAction *addMenuCommand(QMenu *menu, const QString &textWithKey) {
    const qsizetype tab = textWithKey.indexOf('\t');
    QAction *action = menu->addAction(tab < 0 ? textWithKey : textWithKey.left(tab));
    if (tab >= 0)
        action->setShortcut(QKeySequence(textWithKey.mid(tab + 1), QKeySequence::PortableText));
    return action;
}

} // namespace spectavo::app
