#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>

#include "core/link/hubloader.h"

namespace spectavo::link {

// How long the link waits. The defaults are the instrument's; tests shorten them.
struct LinkTiming {
    std::chrono::milliseconds handshakePause{100};
    std::chrono::milliseconds giveUpSending{5000};
    std::chrono::milliseconds stopReceiverWarning{3000};
    // A time scan that hears no reading at all for this long ends as broken.
    std::chrono::milliseconds silenceGiveUp{5000};
};

// What the channel tells its owner. packetReceived runs on the receive thread; the others on whichever
// thread sent or loaded.
class ChannelEvents {
public:
    virtual ~ChannelEvents() = default;
    virtual void packetReceived(const StationPacket &packet) = 0;
    // A command was refused until the timing's limit: the instrument is taken as offline. `firstTime` is
    // false while the operator has been told and no command has gone out since.
    virtual void sendingGaveUp(bool firstTime) = 0;
    virtual void remoteStartRequested(int param) = 0;
    virtual void channelMessage(const std::string &caption, const std::string &text) = 0;
};

// The packet channel to the instrument: the bound hub driver, sending with its retry policy, and the
// receive thread that hands every packet to the owner.
class HubChannel {
public:
    HubChannel(std::unique_ptr<HubLoader> loader, ChannelEvents &events, const LinkTiming &timing);
    ~HubChannel();
    HubChannel(const HubChannel &) = delete;
    HubChannel &operator=(const HubChannel &) = delete;

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

    // One attempt each, except SendUntilAccepted, which retries (yielding) and gives up after the
    // timing's limit, treating the link as offline.
    bool SendPacket(StationPacket &packet);
    bool SendCommand(std::uint8_t code, std::span<const std::uint8_t> data = {});
    bool SendCommand(std::uint8_t code, std::uint8_t byte);
    bool SendUntilAccepted(std::uint8_t code, std::span<const std::uint8_t> data = {});
    bool WaitSendIdle();
    bool PopPacket(StationPacket &packet);
    int ReceivedEvent() const;

    bool StartReceiver();
    void StopReceiver();
    bool receiverRunning() const { return m_receiver.joinable(); }

private:
    template <typename Attempt>
    bool retryUntilDone(Attempt attempt);
    void receiveLoop(int receivedFd);

    std::unique_ptr<HubLoader> m_loader;
    ChannelEvents &m_events;
    const LinkTiming &m_timing;
    std::unique_ptr<HubLibrary> m_library;
    std::optional<HubBinding> m_binding;

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
