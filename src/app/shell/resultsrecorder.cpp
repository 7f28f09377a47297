#include "app/shell/resultsrecorder.h"

#include "core/link/stationlink.h"
#include "core/shell/messageservice.h"
#include "core/strings/translation.h"
#include "store/eventstamp.h"
#include "store/jsontext.h"

namespace spectavo::app {

ResultsRecorder::ResultsRecorder(link::StationLink &link, shell::MessageService &messages,
                                 store::StoreWriter::Opener open, const std::string &outboxPath,
                                 QObject *parent)
    : QObject(parent), m_link(link), m_messages(messages), m_open(open) {
    m_writer = std::make_unique<store::StoreWriter>(
        std::move(open),
        [this](const store::WriterState &state) {
            QMetaObject::invokeMethod(
                this, [this, state] { stateChanged(state); }, Qt::QueuedConnection);
        },
        std::chrono::milliseconds(5000), outboxPath);
    // Settings change on whatever thread writes them; posting to the writer is safe from any.
    setSettingChangeListener([this](const SettingChange &change) {
        if (isChosenSetting(change))
            recordSettingChange(change);
    });
}

ResultsRecorder::~ResultsRecorder() {
    setSettingChangeListener(nullptr);
}

void ResultsRecorder::keep(store::ResultRecord result) {
    const link::StationStatus &status = m_link.status();
    result.operatorName = operatorName();
    result.instrumentModel = status.modelName.get();
    result.instrumentSerial = status.serialText.get();
    result.instrumentFirmware = status.versionText.get();
    m_writer->post(std::move(result));
}

void ResultsRecorder::record(const std::string &kind, const std::string &object, const std::string &details) {
    m_writer->post(store::NewEvent{operatorName(), kind, object, details});
}

std::string ResultsRecorder::operatorName() const {
    return m_account ? m_account->userId : store::accountName();
}

std::string ResultsRecorder::headText() const {
    return m_writer->headText();
}

bool ResultsRecorder::flush(std::chrono::milliseconds limit) {
    return m_writer->flush(limit);
}

void ResultsRecorder::recordSettingChange(const SettingChange &change) {
    const bool secret = change.key.find("Password") != std::string::npos;
    const auto shown = [secret](const std::optional<std::string> &value) {
        return value ? store::jsonString(secret ? "(hidden)" : *value) : std::string("null");
    };
    const bool method = change.file.find(".func.") != std::string::npos;
    record(method ? "method changed" : "setting changed",
           change.file + " [" + change.section + "] " + change.key,
           store::jsonObjectOf({{"file", store::jsonString(change.file)},
                                {"section", store::jsonString(change.section)},
                                {"key", store::jsonString(change.key)},
                                {"old", shown(change.oldValue)},
                                {"new", shown(change.newValue)}}));
}

void ResultsRecorder::recordLink(bool linked) {
    const link::StationStatus &status = m_link.status();
    const std::string instrument = status.modelName.get() + " " + status.serialText.get();
    record(linked ? "link up" : "link down", instrument,
           store::jsonObject({{"model", status.modelName.get()},
                              {"serial", status.serialText.get()},
                              {"firmware", status.versionText.get()}}));
}

// The trail says when the store went away and came back; the event of its going waits with the rest.
void ResultsRecorder::stateChanged(const store::WriterState &state) {
    if (m_online && *m_online != state.online)
        record(state.online ? "store online" : "store offline", "",
               store::jsonObject({{"problem", state.online ? std::string() : state.problem}}));
    m_online = state.online;
    tellOffline(state);
}

void ResultsRecorder::tellOffline(const store::WriterState &state) {
    if (!state.online && !m_toldOffline) {
        m_toldOffline = true;
        m_messages.show(
            "Spectavo",
            strings::trFormat("The results store cannot be opened: %s. Results are kept in files only.",
                              state.problem.c_str()),
            shell::MessageService::Icon::Warning);
    }
    const QString text = state.online ? QString()
                                      : QString::fromStdString(strings::trFormat(
                                            "Store: offline, %d waiting", static_cast<int>(state.waiting)));
    if (text != m_paneText) {
        m_paneText = text;
        onPaneText(text);
    }
}

} // namespace spectavo::app
