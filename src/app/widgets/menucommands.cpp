#include "app/widgets/menucommands.h"

#include "app/widgets/uitext.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace spectavo::app {

QAction *addMenuCommand(QMenu *menu, const QString &textWithKey) {
    // The text is translated, the key is not: Ctrl+O stays Ctrl+O in every language.
    const qsizetype tab = textWithKey.indexOf('\t');
    QAction *action = menu->addAction(ui(tab < 0 ? textWithKey : textWithKey.left(tab)));
    if (tab >= 0)
        action->setShortcut(QKeySequence(textWithKey.mid(tab + 1), QKeySequence::PortableText));
    return action;
}

} // namespace spectavo::app
