#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "core/link/acquisition.h"
#include "core/link/acquisitionops.h"
#include "core/link/commands.h"
#include "core/link/filetransfer.h"
#include "core/link/hubchannel.h"
#include "core/link/hubloader.h"
#include "core/link/linkcodes.h"
#include "core/link/notify.h"
#include "core/link/stationcommands.h"
#include "core/link/stationrecords.h"
#include "core/link/timedsampling.h"

namespace spectavo::link {

// Where the link's messages to the operator go. Called from the link's threads too: an
// implementation queues the message for the user interface and returns.
class LinkMessages {
public:
    virtual ~LinkMessages() = default;
    virtual void showLinkMessage(const std::string &caption, const std::string &text) = 0;
};

// The bytes of the scan setup the handshake ends with, supplied by whoever owns the scan settings.
// Called on the receive thread; nothing means no scan setup is sent.
using ScanSetupProvider = std::function<std::optional<ScanSetupMessage>()>;

// The one link to the instrument. It holds the shared records and three parts, each a role: the
// channel (driver, sending, receive thread), the station commands and the acquisition operations. It
// decodes what the channel receives into the records and posts the result to the windows.
class StationLink : private ChannelEvents {
public:
    explicit StationLink(std::unique_ptr<HubLoader> loader = std::make_unique<SharedLibraryLoader>());
    ~StationLink() override;
    StationLink(const StationLink &) = delete;
    StationLink &operator=(const StationLink &) = delete;

    // The process-wide link of the application.
    static StationLink &instance();

    HubChannel &channel() { return m_channel; }
    StationCommands &commands() { return m_commands; }
    AcquisitionOps &operations() { return m_operations; }

    StationStatus &status() { return m_status; }
    StationConfig &config() { return m_config; }
    Acquisition &acquisition() { return m_acquisition; }
    FileTransfer &fileTransfer() { return m_transfer; }

    void setTiming(const LinkTiming &timing) { m_timing = timing; }
    const LinkTiming &timing() const { return m_timing; }
    void setMessages(LinkMessages *messages) { m_messages = messages; }
    void setScanSetupProvider(ScanSetupProvider provider);
    // The main window's target. Unregister (nullptr) before the target dies: once this returns, no
    // thread of the link posts to the old target.
    void setMainTarget(NotifyTarget *target);
    void setRemoteStartTarget(NotifyTarget *target);

    // Station records.
    // initialLinkOnline: the application's "Connected" setting.
    void ResetStationStatus(int initialLinkOnline = 0);
    void readStationStatusFile();
    void writeStationStatusFile() const;
    float DecodeReading(std::span<const std::uint8_t> record, bool ignoreGains);
    float SubtractBlank(float absorbance, bool useStoredBlank, float blank);
    bool twoBeams() const;

    // Decodes one received packet (the receive thread's work; public for tests and fuzzing).
    void decodePacket(const StationPacket &packet);
    // The remote-start request of a driver reaches the registered target as a 0x402 notification.
    void requestRemoteStart(int param);
    // For the receive thread's decoder and the sampling timer.
    void postMain(const Notification &notification);
    // The handshake that follows the instrument's "linked": the queries, then ready and the scan setup.
    void runHandshake();

private:
    void packetReceived(const StationPacket &packet) override;
    void sendingGaveUp(bool firstTime) override;
    void remoteStartRequested(int param) override { requestRemoteStart(param); }
    void channelMessage(const std::string &caption, const std::string &text) override;

    LinkTiming m_timing;
    LinkMessages *m_messages = nullptr;
    StationStatus m_status;
    StationConfig m_config;
    Acquisition m_acquisition;
    FileTransfer m_transfer;

    std::mutex m_targetsMutex;
    NotifyTarget *m_mainTarget = nullptr;
    NotifyTarget *m_remoteStartTarget = nullptr;
    std::mutex m_providerMutex;
    ScanSetupProvider m_scanSetupProvider;

    // Declared last: the parts refer to the records above, and the operations end their sampling
    // thread and the channel its receive thread before the records go.
    HubChannel m_channel;
    StationCommands m_commands;
    AcquisitionOps m_operations;
};

} // namespace spectavo::link
