#pragma once

#include "app/store/storelistdialog.h"

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// "Audit Trail": the events in their order, filtered by date, user and kind, and Verify, which
// recomputes the whole chain and says whether it holds.
class CAuditTrailDialog : public CStoreListDialog {
public:
    CAuditTrailDialog(std::unique_ptr<store::ResultStore> store, shell::MessageService &messages,
                      QWidget *parent = nullptr);
    void verify();

protected:
    std::vector<QStringList> rows(const Filters &filters) override;

private:
    shell::MessageService &m_messages;
};

} // namespace spectavo::app
