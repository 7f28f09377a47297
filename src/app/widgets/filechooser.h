#pragma once

#include <QString>
#include <QWidget>

namespace spectavo::app {

// The file dialogs of the windows. Filters are in Qt's form ("Text file(*.txt)"). An empty result
// means the operator cancelled. Tests install their own chooser.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString chooseOpen(QWidget *parent, const QString &filter) = 0;
    // The default suffix is appended when the operator types a name without one.
    virtual QString chooseSave(QWidget *parent, const QString &filter, const QString &defaultName,
                               const QString &defaultSuffix) = 0;
};

FileChooser &fileChooser();
void installFileChooser(FileChooser *chooser);

} // namespace spectavo::app
