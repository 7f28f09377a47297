#include "core/link/stationlink.h"

#include "core/strings/stringtable.h"

namespace spectavo::link {
StationLink::StationLink(std::unique_ptr<HubLoader> loader)
    : m_channel(std::move(loader), *this, m_timing), m_commands(m_channel, m_status), m_operations(*this) {}

// The sampling thread and the receive thread end before any record they write goes.
StationLink::~StationLink() {
    m_operations.EndTimedSampling();
    m_channel.StopReceiver();
}

StationLink &StationLink::instance() {
    static StationLink link;
    return link;
}

void StationLink::setScanSetupProvider(ScanSetupProvider provider) {
    std::lock_guard guard(m_providerMutex);
    m_scanSetupProvider = std::move(provider);
}

void StationLink::setMainTarget(NotifyTarget *target) {
    std::lock_guard guard(m_targetsMutex);
    m_mainTarget = target;
}

void StationLink::setRemoteStartTarget(NotifyTarget *target) {
    std::lock_guard guard(m_targetsMutex);
    m_remoteStartTarget = target;
}

void StationLink::postMain(const Notification &notification) {
    std::lock_guard guard(m_targetsMutex);
    if (m_mainTarget)
        m_mainTarget->post(notification);
}

void StationLink::requestRemoteStart(int param) {
    std::lock_guard guard(m_targetsMutex);
    if (m_remoteStartTarget)
        m_remoteStartTarget->post(Notification{NotifyKind::RemoteStart, param, 0});
}

void StationLink::packetReceived(const StationPacket &packet) {
    m_status.packetsReceived.fetch_add(1, std::memory_order_relaxed);
    decodePacket(packet);
}

void StationLink::sendingGaveUp(bool firstTime) {
    m_status.linkOnline.store(0, std::memory_order_relaxed);
    postMain(Notification::station(kStationState, kStateOffline));
    if (firstTime && m_messages)
        m_messages->showLinkMessage("ZAV_Hub", strings::kLinkRefusesCommands);
}

void StationLink::channelMessage(const std::string &caption, const std::string &text) {
    if (m_messages)
        m_messages->showLinkMessage(caption, text);
}

} // namespace spectavo::link
