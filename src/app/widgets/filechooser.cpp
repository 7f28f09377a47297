#include "app/widgets/filechooser.h"

#include <QFileDialog>

namespace spectavo::app {
namespace {

class QtFileChooser : public FileChooser {
public:
    QString chooseOpen(QWidget *parent, const QString &filter) override {
        QFileDialog dialog(parent, "Open", {}, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    QString chooseSave(QWidget *parent, const QString &filter, const QString &defaultName,
                       const QString &defaultSuffix) override {
        QFileDialog dialog(parent, "Save As", {}, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(defaultName);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
};

FileChooser *g_installed = nullptr;

} // namespace

FileChooser &fileChooser() {
    static QtFileChooser screen;
    return g_installed ? *g_installed : screen;
}

void installFileChooser(FileChooser *chooser) {
    g_installed = chooser;
}

} // namespace spectavo::app
