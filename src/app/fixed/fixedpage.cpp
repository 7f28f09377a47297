#include "app/fixed/fixedpage.h"

#include "core/config/profilefile.h"
#include "core/fixed/fixedmethod.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace spectavo::app {
namespace {

// Controls that use the arrow keys themselves.
bool keepsArrows(QObject *widget) {
    return qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
           qobject_cast<QComboBox *>(widget) || qobject_cast<QPlainTextEdit *>(widget) ||
           qobject_cast<QTextEdit *>(widget);
}

bool multiLine(QObject *widget) {
    return qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTextEdit *>(widget);
}

} // namespace

CFixedPage::CFixedPage(QWidget *parent) : QWidget(parent) {}

void CFixedPage::installKeyboardRules() {
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool CFixedPage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (multiLine(watched) && key->modifiers().testFlag(Qt::ControlModifier)) {
            if (auto *plain = qobject_cast<QPlainTextEdit *>(watched))
                plain->insertPlainText("\n");
            else if (auto *rich = qobject_cast<QTextEdit *>(watched))
                rich->insertPlainText("\n");
            return true;
        }
        if (isTablePage()) {
            if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
                button->click();
                return true;
            }
        }
        focusNextChild();
        return true;
    case Qt::Key_Down:
        if (keepsArrows(watched))
            break;
        focusNextChild();
        return true;
    case Qt::Key_Up:
        if (keepsArrows(watched))
            break;
        focusPreviousChild();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void fillUnitBox(QComboBox &box) {
    box.clear();
    const ProfileFile file(fixed::kUnitListFile, true);
    const ProfileFile::Batch batch(file);
    for (const std::string &unit : fixed::readUnitList(batch))
        box.addItem(QString::fromStdString(unit));
}

void setTextQuietly(QLineEdit *field, const std::string &text) {
    const QString wanted = QString::fromStdString(text);
    if (field->text() != wanted) {
        const QSignalBlocker block(field);
        field->setText(wanted);
    }
}

} // namespace spectavo::app
