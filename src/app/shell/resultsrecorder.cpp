#include "app/shell/resultsrecorder.h"

#include "core/link/stationlink.h"
#include "core/shell/messageservice.h"
#include "core/strings/translation.h"
#include "store/eventstamp.h"

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
}

ResultsRecorder::~ResultsRecorder() = default;

void ResultsRecorder::keep(store::ResultRecord result) {
    const link::StationStatus &status = m_link.status();
    result.operatorName = store::accountName();
    result.instrumentModel = status.modelName.get();
    result.instrumentSerial = status.serialText.get();
    result.instrumentFirmware = status.versionText.get();
    m_writer->post(std::move(result));
}

void ResultsRecorder::record(const std::string &kind, const std::string &object, const std::string &details) {
    m_writer->post(store::NewEvent{store::accountName(), kind, object, details});
}

std::string ResultsRecorder::headText() const {
    return m_writer->headText();
}

bool ResultsRecorder::flush(std::chrono::milliseconds limit) {
    return m_writer->flush(limit);
}

void ResultsRecorder::stateChanged(const store::WriterState &state) {
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
