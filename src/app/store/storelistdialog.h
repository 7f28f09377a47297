#pragma once

#include <memory>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "store/resultstore.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class QHBoxLayout;

namespace spectavo::app {

// What the Results and the Audit Trail windows share: the store they read, a row of filters (from,
// to, a person, a kind), a sortable table refilled when a filter changes, and a row of buttons.
class CStoreListDialog : public QDialog {
public:
    // newestFirst: sorted by the first column, highest first (results) or lowest first (the trail).
    CStoreListDialog(std::unique_ptr<store::ResultStore> store, const QString &title,
                     const QStringList &columns, const QString &personLabel, bool newestFirst,
                     QWidget *parent);

    QTableWidget *table() const { return m_table; }
    // Fills the table again with what the filters let through.
    void refill();

protected:
    struct Filters {
        std::string since;
        std::string until;
        std::string person;
        std::string kind;
    };
    // One row of texts per matching entry.
    virtual std::vector<QStringList> rows(const Filters &filters) = 0;
    store::ResultStore &store() { return *m_store; }
    QHBoxLayout *buttons() const { return m_buttons; }

private:
    std::unique_ptr<store::ResultStore> m_store;
    QLineEdit *m_since;
    QLineEdit *m_until;
    QLineEdit *m_person;
    QLineEdit *m_kind;
    QTableWidget *m_table;
    QHBoxLayout *m_buttons;
    // Why the store could not be read, when it could not.
    QLabel *m_problem;
};

} // namespace spectavo::app
