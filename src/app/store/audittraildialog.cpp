#include "app/store/audittraildialog.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "app/widgets/uitext.h"
#include "core/shell/messageservice.h"
#include "core/strings/translation.h"

namespace spectavo::app {
namespace {

QStringList columns() {
    QStringList texts;
    for (const char *column : {SPECTAVO_TEXT("Event"), SPECTAVO_TEXT("Time (UTC)"), SPECTAVO_TEXT("User"),
                               SPECTAVO_TEXT("Workstation"), SPECTAVO_TEXT("Kind"), SPECTAVO_TEXT("Object"),
                               SPECTAVO_TEXT("Details")})
        texts << ui(column);
    return texts;
}

} // namespace

CAuditTrailDialog::CAuditTrailDialog(std::unique_ptr<store::ResultStore> store,
                                     shell::MessageService &messages, QWidget *parent)
    : CStoreListDialog(std::move(store), ui("Audit Trail"), columns(), ui("User"), false, parent),
      m_messages(messages) {
    auto *verifyButton = new QPushButton(ui("&Verify"));
    connect(verifyButton, &QPushButton::clicked, this, [this] { verify(); });
    buttons()->insertWidget(0, verifyButton);
    refill();
}

std::vector<QStringList> CAuditTrailDialog::rows(const Filters &filters) {
    std::vector<QStringList> found;
    store().visitEvents(
        {filters.since, filters.until, filters.person, filters.kind},
        [&found](const store::AuditEvent &event) {
            found.push_back({QString::number(event.sequence), QString::fromStdString(event.utc),
                             QString::fromStdString(event.user), QString::fromStdString(event.workstation),
                             QString::fromStdString(event.kind), QString::fromStdString(event.object),
                             QString::fromStdString(event.details)});
            return true;
        });
    return found;
}

void CAuditTrailDialog::verify() {
    try {
        const store::TrailCheck check = store::verifyTrail(store());
        if (check.holds)
            m_messages.show("Spectavo",
                            strings::trFormat("The audit trail holds: %d events verified.",
                                              static_cast<int>(check.events)),
                            shell::MessageService::Icon::Information);
        else
            m_messages.show("Spectavo",
                            strings::trFormat("The audit trail does not verify: %s", check.problem.c_str()),
                            shell::MessageService::Icon::Error);
    } catch (const store::StoreError &error) {
        m_messages.show("Spectavo", strings::trFormat("The results store cannot be read: %s", error.what()),
                        shell::MessageService::Icon::Error);
    }
}

} // namespace spectavo::app
