#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "core/config/settingchanges.h"
#include "store/storewriter.h"

namespace spectavo::link {
class StationLink;
}

namespace spectavo::shell {
class MessageService;
}

namespace spectavo::app {

// The workstation's way into the results store: every window hands its results and events here and
// goes on; the store writer keeps them in order on its own thread. What the operator must know of the
// store (it cannot be opened, work waits) reaches the user-interface thread. While it lives, it is
// the program's listener to changed settings.
class ResultsRecorder : public QObject {
public:
    // `outboxPath`: where work waits for a lab-wide store that cannot be reached; empty for the
    // embedded store.
    ResultsRecorder(link::StationLink &link, shell::MessageService &messages, store::StoreWriter::Opener open,
                    const std::string &outboxPath = {}, QObject *parent = nullptr);
    ~ResultsRecorder() override;

    // Regulated mode: the account that logged in names the operator of every result and event.
    void setAccount(const store::Account &account) { m_account = account; }
    const std::optional<store::Account> &account() const { return m_account; }
    // The account's user id, else the system account the program runs under.
    std::string operatorName() const;

    // A measured result: the recorder adds the operator and the instrument it was measured on.
    void keep(store::ResultRecord result);
    void record(const std::string &kind, const std::string &object, const std::string &details = "{}");
    // A settings file's value changed: "method changed" for the methods kept between documents,
    // "setting changed" for the rest, with the old and new value (a password's never).
    void recordSettingChange(const SettingChange &change);
    // The instrument linked or unlinked: "link up" / "link down" with the instrument.
    void recordLink(bool linked);
    // "Audit trail: event %d, %s" for reports and exports; empty before the first event.
    std::string headText() const;
    // Waits for the writer, for the end of the program and for tests.
    bool flush(std::chrono::milliseconds limit);
    // A connection of its own for the Results and Audit Trail windows; throws StoreError.
    std::unique_ptr<store::ResultStore> openForReading() const { return m_open(); }
    // Results and events not yet in the store.
    std::size_t waiting() const { return m_writer->state().waiting; }
    // "Store: offline, %d waiting" while the store refuses work, empty while it takes it.
    QString paneText() const { return m_paneText; }
    std::function<void(const QString &)> onPaneText = [](const QString &) {};

private:
    void stateChanged(const store::WriterState &state);
    void tellOffline(const store::WriterState &state);

    link::StationLink &m_link;
    shell::MessageService &m_messages;
    store::StoreWriter::Opener m_open;
    bool m_toldOffline = false;
    std::optional<bool> m_online; // as last heard from the writer
    std::optional<store::Account> m_account;
    QString m_paneText;
    // Last: it ends its thread before the rest of the recorder goes.
    std::unique_ptr<store::StoreWriter> m_writer;
};

} // namespace spectavo::app
