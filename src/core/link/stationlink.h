#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>

#include "core/link/acquisition.h"
#include "core/link/commands.h"
#include "core/link/filetransfer.h"
#include "core/link/hubloader.h"
#include "core/link/linkcodes.h"
#include "core/link/notify.h"
#include "core/link/stationrecords.h"
#include "core/link/timedsampling.h"

namespace spectavo::link {

// How long the link waits. The defaults are the instrument's; tests shorten them.
struct LinkTiming {
    std::chrono::milliseconds handshakePause{100};
    std::chrono::milliseconds giveUpSending{5000};
    std::chrono::milliseconds stopReceiverWarning{3000};
    // A time scan that hears no reading at all for this long ends as broken.
    std::chrono::milliseconds silenceGiveUp{5000};
};

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

// The one link to the instrument: the bound hub driver, the packet channel, the receive thread, the
// shared records, the acquisition operations, timed sampling and file transfer.
class StationLink {
public:
    explicit StationLink(std::unique_ptr<HubLoader> loader = std::make_unique<SharedLibraryLoader>());
    ~StationLink();
    StationLink(const StationLink &) = delete;
    StationLink &operator=(const StationLink &) = delete;

    // The process-wide link of the application.
    static StationLink &instance();

    StationStatus &status() { return m_status; }
    StationConfig &config() { return m_config; }
    Acquisition &acquisition() { return m_acquisition; }
    FileTransfer &fileTransfer() { return m_transfer; }

    void setTiming(const LinkTiming &timing) { m_timing = timing; }
    void setMessages(LinkMessages *messages) { m_messages = messages; }
    void setScanSetupProvider(ScanSetupProvider provider);
    // The main window's target. Unregister (nullptr) before the target dies: once this returns, no
    // thread of the link posts to the old target.
    void setMainTarget(NotifyTarget *target);
    void setRemoteStartTarget(NotifyTarget *target);

    // Driver lifecycle.
    bool LoadHubDriver(); // the driver named in the comm configuration
    bool LoadHubDriverNamed(const std::string &configuredName, const char *caption = "ZAV_Hub");
    bool OpenHub();
    // Opening again after the link was switched off: the driver is initialised afresh (its queue
    // emptied) before the device opens.
    bool ReopenHub();
    bool IsHubConnected();
    void CloseHub();
    void ReleaseHubDriver();
    bool hasDriver() const { return m_binding.has_value(); }

    // Packet channel. One attempt each, except SendUntilAccepted, which retries (yielding) and gives up
    // after the timing's limit, treating the link as offline.
    bool SendPacket(StationPacket &packet);
    bool SendCommand(std::uint8_t code, std::span<const std::uint8_t> data = {});
    bool SendCommand(std::uint8_t code, std::uint8_t byte);
    bool SendUntilAccepted(std::uint8_t code, std::span<const std::uint8_t> data = {});
    bool WaitSendIdle();
    bool PopPacket(StationPacket &packet);
    int ReceivedEvent() const;

    // Receive thread.
    bool StartReceiver();
    void StopReceiver();
    bool receiverRunning() const { return m_receiver.joinable(); }

    // Station records.
    // initialLinkOnline: the application's "Connected" setting.
    void ResetStationStatus(int initialLinkOnline = 0);
    void readStationStatusFile();
    void writeStationStatusFile() const;
    float DecodeReading(std::span<const std::uint8_t> record, bool ignoreGains);
    float SubtractBlank(float absorbance, bool useStoredBlank, float blank);

    // Decodes one received packet (the receive thread's work; public for tests and fuzzing).
    void decodePacket(const StationPacket &packet);

    // Commands with their send policy. The baseline calibration, the 656.1 nm location and the switch
    // point set the long-operation flag themselves before their command goes out.
    bool LinkRequest();
    bool Unlink();
    bool LampSwitch(std::uint8_t lamp, std::uint8_t on);
    bool SetSwitchPoint(float nanometres);
    bool SelectCellOnce(std::uint8_t cell);
    bool RemoteMeasureDone();
    bool SetAmplifier(std::uint8_t amplifierByte);
    bool SetSlit(std::uint8_t slitCode);
    bool CalibrateBaseline();
    bool Locate656();
    bool ConfirmYes();
    bool ConfirmNo();
    bool Escape();
    bool QueryStatus();

    // Acquisition operations (user-interface thread).
    bool OpenAcquisition(NotifyTarget *window, int mode);
    void ArmAcquisition();
    bool RequestCell(std::uint8_t cell);
    bool SendScanSetup(float upperNm, float lowerNm, float stepNm, std::uint8_t filterCode);
    bool StartScan(int dataKind, ScanTarget *target, ScanTarget *second, NotifyTarget *window);
    bool OpenCommandAcquisition(std::uint8_t code, NotifyTarget *window);
    bool OpenWordAcquisition(std::uint8_t code, std::uint8_t first, std::uint8_t second,
                             NotifyTarget *window);
    bool GotoAndRead(int mode, float nanometres, std::atomic<float> *blank, std::atomic<float> *result,
                     NotifyTarget *window);
    bool GotoWavelength(float nanometres, NotifyTarget *window);
    bool TakeBlank(NotifyTarget *window);
    bool StartTimedSampling(int periodMs, TimedTarget *curve, NotifyTarget *window);
    // After either returns, no thread of the link writes into the closed acquisition's targets.
    void CloseAcquisition();
    // Closes the acquisition only when `window` holds it: a dialog or window that goes away ends its own
    // acquisition, never one another window has opened meanwhile.
    void CloseAcquisitionOf(NotifyTarget *window);
    void StopMeasurement();
    void EndTimedSampling();
    // The receive thread's close of the held acquisition on the instrument's word: a time scan is not
    // cut off but ends as broken on its own thread, so its window hears of it.
    void closeFromInstrument(Acquisition::Held &held);

    // The remote-start request of a driver reaches the registered target as a 0x402 notification.
    void requestRemoteStart(int param);

    // For the receive thread's decoder and the sampling timer.
    void postMain(const Notification &notification);
    // The handshake that follows the instrument's "linked": the queries, then ready and the scan setup.
    void runHandshake();
    bool twoBeams() const;

private:
    void goOffline(bool tellOperator);
    template <typename Attempt>
    bool retryUntilDone(Attempt attempt);
    void receiveLoop(int receivedFd);
    static bool heldByOther(Acquisition::Held &held, NotifyTarget *window);
    bool sendOrClose(std::uint8_t code, std::span<const std::uint8_t> data = {});
    bool stopSamplingOf(NotifyTarget *window);
    bool sendLongOperation(std::uint8_t code);

    std::unique_ptr<HubLoader> m_loader;
    std::unique_ptr<HubLibrary> m_library;
    std::optional<HubBinding> m_binding;

    StationStatus m_status;
    StationConfig m_config;
    Acquisition m_acquisition;
    FileTransfer m_transfer;
    TimedSampling m_sampling;
    LinkTiming m_timing;
    LinkMessages *m_messages = nullptr;

    std::mutex m_targetsMutex;
    NotifyTarget *m_mainTarget = nullptr;
    NotifyTarget *m_remoteStartTarget = nullptr;
    std::mutex m_providerMutex;
    ScanSetupProvider m_scanSetupProvider;

    std::thread m_receiver;
    // Lets StopReceiver warn after a while and still wait for the thread's end.
    struct ThreadEnd {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;
    } m_receiverEnd;
    int m_stopEvent = -1;
    std::atomic<bool> m_offlineReported{false};
};

} // namespace spectavo::link
