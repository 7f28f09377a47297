#pragma once

#include <QObject>

class QWidget;

namespace spectavo::app {

// A dialog is never narrower than its title needs in the window manager's title bar, beside its
// buttons, so no title reads "Setup k... ic scan" in any language.
class DialogTitleFit : public QObject {
public:
    explicit DialogTitleFit(QObject *parent = nullptr) : QObject(parent) {}
    // The width a top-level window needs to show `title` whole.
    static int widthForTitle(const QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Makes every dialog of the application fit its title when it shows.
void installDialogTitleFit();

} // namespace spectavo::app
