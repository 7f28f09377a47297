#include "core/link/hubchannel.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "core/config/profilefile.h"
#include "core/strings/cformat.h"
#include "core/strings/translation.h"

namespace spectavo::link {
namespace {

constexpr const char *kCommConfig = "..\\config\\tarvesta.zav.comm.ini";
constexpr const char *kDefaultDriver = "tarvesta.zav.comm.emc2";
// A configured name may be a full path on Linux: it is read whole rather than cut, which would load
// another library or none.
constexpr std::size_t kDriverNameBuffer = 4096;

// The driver's remote-start hook is a plain C function; it reaches the owner of the channel that
// bound it.
const HubChannel *g_remoteStartChannel = nullptr;
ChannelEvents *g_remoteStartEvents = nullptr;
std::mutex g_remoteStartMutex;

void forwardRemoteStart(int param) {
    std::lock_guard guard(g_remoteStartMutex);
    if (g_remoteStartEvents)
        g_remoteStartEvents->remoteStartRequested(param);
}

} // namespace

HubChannel::HubChannel(std::unique_ptr<HubLoader> loader, ChannelEvents &events, const LinkTiming &timing)
    : m_loader(std::move(loader)), m_events(events), m_timing(timing) {}

HubChannel::~HubChannel() {
    StopReceiver();
    if (IsHubConnected())
        CloseHub();
    ReleaseHubDriver();
}

bool HubChannel::LoadHubDriver() {
    const ProfileFile comm(kCommConfig, true);
    return LoadHubDriverNamed(comm.GetString("hub", "driver", kDefaultDriver, kDriverNameBuffer));
}

bool HubChannel::LoadHubDriverNamed(const std::string &configuredName, const char *caption) {
    ReleaseHubDriver();
    // The operator reads the name of the file the program looked for, not the configured one.
    const std::string fileName = driverFileName(configuredName);
    std::unique_ptr<HubLibrary> library = m_loader->open(fileName);
    if (!library) {
        m_events.channelMessage(caption, strings::trFormat("Failed to load %s!", fileName.c_str()));
        return false;
    }
    std::optional<HubBinding> binding = bindHub(*library);
    if (!binding) {
        m_events.channelMessage(caption,
                                SPECTAVO_TEXT("Couldn't find all ZAV_CommDrv entry points we needed."));
        return false;
    }
    m_library = std::move(library);
    m_binding = binding;
    m_binding->init();
    if (m_binding->setRemoteStart) {
        {
            std::lock_guard guard(g_remoteStartMutex);
            g_remoteStartChannel = this;
            g_remoteStartEvents = &m_events;
        }
        m_binding->setRemoteStart(&forwardRemoteStart);
    }
    return true;
}

void HubChannel::ReleaseHubDriver() {
    if (m_binding && m_binding->setRemoteStart)
        m_binding->setRemoteStart(nullptr);
    {
        std::lock_guard guard(g_remoteStartMutex);
        if (g_remoteStartChannel == this) {
            g_remoteStartChannel = nullptr;
            g_remoteStartEvents = nullptr;
        }
    }
    m_binding.reset();
    m_library.reset();
}

bool HubChannel::OpenHub() {
    return m_binding && m_binding->openDevice() != 0;
}

bool HubChannel::ReopenHub() {
    if (!m_binding)
        return false;
    m_binding->init();
    return OpenHub();
}

bool HubChannel::IsHubConnected() {
    return m_binding && m_binding->isConnected() != 0;
}

void HubChannel::CloseHub() {
    if (m_binding)
        m_binding->closeDevice();
}

bool HubChannel::SendPacket(StationPacket &packet) {
    if (!m_binding)
        return true;
    packet.state = 1;
    if (m_binding->out)
        m_binding->out(&packet);
    if (packet.state == 3)
        return true;
    return m_binding->send(&packet) != 0;
}

bool HubChannel::SendCommand(std::uint8_t code, std::span<const std::uint8_t> data) {
    StationPacket packet{};
    packet.code = code;
    const std::size_t length = std::min(data.size(), sizeof packet.data);
    packet.length = static_cast<unsigned char>(length);
    if (length > 0)
        std::memcpy(packet.data, data.data(), length);
    return SendPacket(packet);
}

bool HubChannel::SendCommand(std::uint8_t code, std::uint8_t byte) {
    return SendCommand(code, std::span<const std::uint8_t>(&byte, 1));
}

// Retries without a busy wait and gives up after the timing's limit: a driver that never accepts must
// not freeze the program with the operator's results unsaved. The link is then offline.
template <typename Attempt>
bool HubChannel::retryUntilDone(Attempt attempt) {
    const auto giveUp = std::chrono::steady_clock::now() + m_timing.giveUpSending;
    for (int tries = 0; !attempt(); ++tries) {
        if (std::chrono::steady_clock::now() >= giveUp) {
            m_events.sendingGaveUp(!m_offlineReported.exchange(true));
            return false;
        }
        if (tries < 100)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool HubChannel::SendUntilAccepted(std::uint8_t code, std::span<const std::uint8_t> data) {
    if (!retryUntilDone([&] { return SendCommand(code, data); }))
        return false;
    m_offlineReported.store(false, std::memory_order_relaxed);
    return true;
}

bool HubChannel::WaitSendIdle() {
    return !m_binding || retryUntilDone([this] { return m_binding->sendBusy() == 0; });
}

bool HubChannel::PopPacket(StationPacket &packet) {
    if (!m_binding || m_binding->popup(0, &packet) == 0)
        return false;
    if (m_binding->in)
        m_binding->in(&packet);
    return true;
}

int HubChannel::ReceivedEvent() const {
    return m_binding ? *m_binding->receivedEvent : -1;
}

} // namespace spectavo::link
