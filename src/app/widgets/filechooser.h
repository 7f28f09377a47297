#pragma once

#include <QString>
#include <QStringList>
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
    // A Save dialog proposing a name made safe first (no path separators, control characters or
    // leading dots), whatever the name came from.
    QString proposeSave(QWidget *parent, const QString &filter, const QString &proposedName,
                        const QString &defaultSuffix);

    // The fixed-wavelength documents' dialog, with "Save or Read &method only". The default suffix
    // follows the chosen filter entry (`suffixes` in the filter's order).
    struct DocumentChoice {
        QString path;
        bool methodOnly = false;
    };
    // A save proposes `proposedName` (made safe for a file name) in the folder last used.
    virtual DocumentChoice chooseDocument(QWidget *parent, bool save, const QString &filter,
                                          const QStringList &suffixes, bool methodOnlyBox = true,
                                          const QString &proposedName = {});
};

FileChooser &fileChooser();
void installFileChooser(FileChooser *chooser);

} // namespace spectavo::app
