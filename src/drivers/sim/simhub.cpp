#include "drivers/sim/simhub.h"

#include <cmath>

#include "core/config/profilefile.h"

namespace spectavo::drivers {

SimHub &SimHub::instance() {
    static SimHub hub;
    return hub;
}

SimHub::SimHub() = default;

void SimHub::init() {
    m_incoming.clear();
}

double SimHub::simNow() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count() * m_speed;
}

bool SimHub::open() {
    close();
    sim::SimSettings settings;
    settings.load(ProfileFile(sim::SimSettings::kFileName, true));
    std::lock_guard guard(m_mutex);
    m_speed = settings.speedFactor;
    m_faults = settings.faults;
    m_faultRandom.seed(settings.seed);
    m_instrument = std::make_unique<sim::VirtualPhotrak>(std::move(settings));
    m_started = std::chrono::steady_clock::now();
    m_instrument->powerOn(0.0);
    m_running = true;
    m_connected = true;
    m_pacer = std::thread([this] { run(); });
    return true;
}

void SimHub::close() {
    {
        std::lock_guard guard(m_mutex);
        m_running = false;
        m_connected = false;
    }
    m_wake.notify_all();
    if (m_pacer.joinable())
        m_pacer.join();
}

bool SimHub::connected() {
    std::lock_guard guard(m_mutex);
    return m_connected;
}

bool SimHub::send(const StationPacket &packet) {
    {
        std::lock_guard guard(m_mutex);
        if (!m_connected || !m_instrument)
            return false;
        if (m_faults.refuseSends > 0.0 &&
            std::uniform_real_distribution<>(0.0, 1.0)(m_faultRandom) < m_faults.refuseSends)
            return false;
        m_instrument->receive(packet, simNow());
        deliver(m_instrument->takeOutput());
    }
    m_wake.notify_all();
    return true;
}

bool SimHub::popup(StationPacket &packet) {
    return m_incoming.pop(packet);
}

void SimHub::setRemoteStart(Hub_RemoteStartRequest_t request) {
    std::lock_guard guard(m_mutex);
    m_remoteStart = request;
}

int SimHub::commandsReceived(int code) {
    std::lock_guard guard(m_mutex);
    return m_instrument && code >= 0 && code < 256
               ? m_instrument->commandsReceived(static_cast<std::uint8_t>(code))
               : 0;
}

bool SimHub::loggedCommand(int index, StationPacket &out) {
    std::lock_guard guard(m_mutex);
    if (!m_instrument || index < 0 || static_cast<std::size_t>(index) >= m_instrument->commandLog().size())
        return false;
    out = m_instrument->commandLog()[static_cast<std::size_t>(index)];
    return true;
}

void SimHub::pressRemoteStart(int param) {
    Hub_RemoteStartRequest_t request;
    {
        std::lock_guard guard(m_mutex);
        request = m_remoteStart;
    }
    if (request)
        request(param);
}

void SimHub::disconnect() {
    std::lock_guard guard(m_mutex);
    lineLost();
}

// The line went away: the program hears the instrument's offline report and the device is no longer
// connected, so the link goes offline through the contract instead of waiting for answers.
void SimHub::lineLost() {
    if (!m_connected)
        return;
    m_connected = false;
    m_incoming.pushOfflineReport();
}

// Called with the mutex held.
void SimHub::deliver(std::vector<StationPacket> packets) {
    const double now = simNow();
    if (m_faults.silenceAfterSeconds >= 0.0 && now >= m_faults.silenceAfterSeconds)
        return;
    std::uniform_real_distribution<> chance(0.0, 1.0);
    for (StationPacket &packet : packets) {
        if (m_faults.dropOutgoing > 0.0 && chance(m_faultRandom) < m_faults.dropOutgoing)
            continue;
        if (m_faults.corruptOutgoing > 0.0 && chance(m_faultRandom) < m_faults.corruptOutgoing &&
            packet.length > 0)
            packet.data[m_faultRandom() % packet.length] ^=
                static_cast<unsigned char>(1u << (m_faultRandom() % 8));
        m_incoming.push(packet);
        if (m_faults.duplicateOutgoing > 0.0 && chance(m_faultRandom) < m_faults.duplicateOutgoing)
            m_incoming.push(packet);
    }
}

void SimHub::run() {
    std::unique_lock lock(m_mutex);
    while (m_running) {
        const double now = simNow();
        if (m_faults.disconnectAfterSeconds >= 0.0 && now >= m_faults.disconnectAfterSeconds)
            lineLost();
        m_instrument->advance(now);
        deliver(m_instrument->takeOutput());
        while (const auto param = m_instrument->takeRemoteStartRequest()) {
            const Hub_RemoteStartRequest_t request = m_remoteStart;
            lock.unlock();
            if (request)
                request(*param);
            lock.lock();
        }
        // Sleep until the instrument's next event (or a command wakes us).
        double next = m_instrument->nextEventTime();
        if (m_faults.disconnectAfterSeconds >= 0.0 && m_connected)
            next = std::min(next, m_faults.disconnectAfterSeconds);
        const double wait = std::isfinite(next) ? std::max(0.0, (next - now) / m_speed) : 0.5;
        m_wake.wait_for(lock, std::chrono::duration<double>(std::min(wait, 0.5)));
    }
}

} // namespace spectavo::drivers
