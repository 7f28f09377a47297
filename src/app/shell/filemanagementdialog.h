#pragma once

#include <optional>

#include <QDialog>

#include "app/shell/notifyevent.h"
#include "core/shell/filemanagementmodel.h"

class QComboBox;
class QListWidget;

namespace spectavo::app {

// "Photrak File Management": the files stored on the instrument, by type; Open returns the choice.
class CFileManagementDialog : public QDialog {
public:
    CFileManagementDialog(link::StationLink &link, QWidget *parent);
    const std::optional<shell::FileManagementModel::Choice> &choice() const { return m_choice; }
    // The file type the list shows first.
    void presetType(int typeIndex) { m_types->setCurrentIndex(typeIndex); }

protected:
    bool event(QEvent *event) override;

private:
    void fill();

    QtNotifyTarget m_target{this};
    shell::FileManagementModel m_model;
    QComboBox *m_types;
    QListWidget *m_files;
    std::optional<shell::FileManagementModel::Choice> m_choice;
};

} // namespace spectavo::app
