#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <unistd.h>

#include "core/link/hubchannel.h"
#include "core/strings/stringtable.h"

namespace spectavo::link {
namespace {

void drainEventFd(int fd) {
    eventfd_t ignored = 0;
    while (eventfd_read(fd, &ignored) == 0) {
    }
}

} // namespace

bool HubChannel::StartReceiver() {
    StopReceiver();
    m_stopEvent = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_stopEvent < 0) {
        m_events.channelMessage("ZAV_Hub", strings::kStopEventFailed);
        return false;
    }
    const int receivedFd = ReceivedEvent();
    {
        std::lock_guard guard(m_receiverEnd.mutex);
        m_receiverEnd.done = false;
    }
    try {
        m_receiver = std::thread([this, receivedFd] {
            receiveLoop(receivedFd);
            std::lock_guard guard(m_receiverEnd.mutex);
            m_receiverEnd.done = true;
            m_receiverEnd.ended.notify_all();
        });
    } catch (const std::system_error &) {
        close(m_stopEvent);
        m_stopEvent = -1;
        m_events.channelMessage("ZAV_Hub", strings::kReceiverNotStarted);
        return false;
    }
    return true;
}

void HubChannel::StopReceiver() {
    if (!m_receiver.joinable())
        return;
    eventfd_write(m_stopEvent, 1);
    {
        std::unique_lock lock(m_receiverEnd.mutex);
        if (!m_receiverEnd.ended.wait_for(lock, m_timing.stopReceiverWarning,
                                          [this] { return m_receiverEnd.done; })) {
            lock.unlock();
            m_events.channelMessage("ZAV_Hub", strings::kReceiverNotAnswering);
        }
    }
    // The driver must not be closed or released while the thread may still call it, so the wait goes
    // on after the warning.
    m_receiver.join();
    close(m_stopEvent);
    m_stopEvent = -1;
}

void HubChannel::receiveLoop(int receivedFd) {
    // Drain the driver's queue promptly: a higher priority where the system permits it; a refusal is
    // harmless.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), -5);
    for (;;) {
        pollfd fds[2] = {{m_stopEvent, POLLIN, 0}, {receivedFd, POLLIN, 0}};
        const int ready = poll(fds, receivedFd >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (fds[0].revents & POLLIN) || !(fds[1].revents & POLLIN))
            return;
        // Reset the signal before draining, so a packet queued during the drain signals again.
        drainEventFd(receivedFd);
        StationPacket packet{};
        while (PopPacket(packet)) {
            m_events.packetReceived(packet);
            packet = StationPacket{};
        }
    }
}

} // namespace spectavo::link
