#pragma once

#include <QString>

class QAction;
class QMenu;

namespace spectavo::app {

// A menu entry whose text names its key after a tab ("&Print...\tCtrl+P"): the key becomes the
// action's shortcut, so that every key a menu shows works.
QAction *addMenuCommand(QMenu *menu, const QString &textWithKey);

} // namespace spectavo::app
