#include "app/widgets/filechooser.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include "app/widgets/uitext.h"
#include "core/shell/documentfiles.h"

namespace spectavo::app {
namespace {

class QtFileChooser : public FileChooser {
public:
    QString chooseOpen(QWidget *parent, const QString &filter) override {
        QFileDialog dialog(parent, ui("Open"), {}, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    QString chooseSave(QWidget *parent, const QString &filter, const QString &defaultName,
                       const QString &defaultSuffix) override {
        QFileDialog dialog(parent, ui("Save As"), {}, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.selectFile(defaultName);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    DocumentChoice chooseDocument(QWidget *parent, bool save, const QString &filter,
                                  const QStringList &suffixes, bool methodOnlyBox,
                                  const QString &proposedName) override {
        QFileDialog dialog(parent, save ? ui("Save As") : ui("Open"), m_lastFolder, filter);
        if (save && !proposedName.isEmpty())
            dialog.selectFile(QString::fromStdString(shell::proposedFileName(proposedName.toStdString())));
        // Our own dialog: the desktop's would have no room for the check box.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        auto *methodOnly = new QCheckBox(ui("Save or Read &method only"), &dialog);
        methodOnly->setVisible(methodOnlyBox);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(methodOnly, grid->rowCount(), 0, 1, -1);
        const QStringList entries = filter.split(";;");
        const auto follow = [&dialog, entries, suffixes](const QString &entry) {
            if (const qsizetype at = entries.indexOf(entry); at >= 0 && at < suffixes.size())
                dialog.setDefaultSuffix(suffixes[at]);
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
        follow(dialog.selectedNameFilter());
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QString chosen = dialog.selectedFiles().value(0);
        m_lastFolder = QFileInfo(chosen).absolutePath();
        return {chosen, methodOnlyBox && methodOnly->isChecked()};
    }

private:
    QString m_lastFolder;
};

FileChooser *g_installed = nullptr;

} // namespace

FileChooser::DocumentChoice FileChooser::chooseDocument(QWidget *parent, bool save, const QString &filter,
                                                        const QStringList &suffixes, bool,
                                                        const QString &proposedName) {
    if (!save)
        return {chooseOpen(parent, filter), false};
    return {proposedName.isEmpty() ? chooseSave(parent, filter, {}, suffixes.value(0))
                                   : proposeSave(parent, filter, proposedName, suffixes.value(0)),
            false};
}

QString FileChooser::proposeSave(QWidget *parent, const QString &filter, const QString &proposedName,
                                 const QString &defaultSuffix) {
    const std::string safe = shell::proposedFileName(proposedName.toStdString());
    return chooseSave(parent, filter, QString::fromStdString(safe), defaultSuffix);
}

FileChooser &fileChooser() {
    static QtFileChooser screen;
    return g_installed ? *g_installed : screen;
}

void installFileChooser(FileChooser *chooser) {
    g_installed = chooser;
}

} // namespace spectavo::app
