#include "support/scriptedhub.h"

#include <deque>
#include <mutex>
#include <sys/eventfd.h>
#include <vector>

namespace {

struct Hub {
    std::mutex mutex;
    std::deque<StationPacket> incoming;
    std::vector<StationPacket> sent;
    int refusals = 0;
    bool suppressOut = false;
    bool canOpen = true;
    bool open = false;
    int inCount = 0;
    int initCount = 0;
    Hub_RemoteStartRequest_t remoteStart = nullptr;
};

Hub &hub() {
    static Hub instance;
    return instance;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int hMsg_Received = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);

__attribute__((visibility("default"))) void Msg_Init(void) {
    std::lock_guard guard(hub().mutex);
    ++hub().initCount;
}
__attribute__((visibility("default"))) void Msg_Clear(void) {}
__attribute__((visibility("default"))) void Msg_CheckState(void) {}
__attribute__((visibility("default"))) void Msg_Push(void) {}
__attribute__((visibility("default"))) void Msg_Restore(void) {}
__attribute__((visibility("default"))) void Msg_CmdData(void) {}
__attribute__((visibility("default"))) void Msg_Cmd(void) {}
__attribute__((visibility("default"))) void Msg_CmdFlag(void) {}
__attribute__((visibility("default"))) void Msg_Status(void) {}
__attribute__((visibility("default"))) void Msg_Ack(void) {}

__attribute__((visibility("default"))) unsigned char Msg_Popup(unsigned char, StationPacket *out) {
    std::lock_guard guard(hub().mutex);
    if (hub().incoming.empty())
        return 0;
    *out = hub().incoming.front();
    hub().incoming.pop_front();
    return 1;
}

__attribute__((visibility("default"))) unsigned char Msg_Send(StationPacket *packet) {
    std::lock_guard guard(hub().mutex);
    if (hub().refusals != 0) {
        if (hub().refusals > 0)
            --hub().refusals;
        return 0;
    }
    hub().sent.push_back(*packet);
    return 1;
}

__attribute__((visibility("default"))) unsigned char Msg_SendBuzy(void) {
    return 0;
}

__attribute__((visibility("default"))) void Msg_In(StationPacket *) {
    std::lock_guard guard(hub().mutex);
    ++hub().inCount;
}

__attribute__((visibility("default"))) void Msg_Out(StationPacket *packet) {
    std::lock_guard guard(hub().mutex);
    if (hub().suppressOut)
        packet->state = 3;
}

__attribute__((visibility("default"))) unsigned char Hub_OpenDevice(void) {
    std::lock_guard guard(hub().mutex);
    hub().open = hub().canOpen;
    return hub().open ? 1 : 0;
}

__attribute__((visibility("default"))) unsigned char Hub_IsConnected(void) {
    std::lock_guard guard(hub().mutex);
    return hub().open ? 1 : 0;
}

__attribute__((visibility("default"))) int Hub_CloseDevice(void) {
    std::lock_guard guard(hub().mutex);
    hub().open = false;
    return 0;
}

__attribute__((visibility("default"))) void Hub_SetRemoteStart(Hub_RemoteStartRequest_t request) {
    std::lock_guard guard(hub().mutex);
    hub().remoteStart = request;
}

__attribute__((visibility("default"))) void Script_Reset(void) {
    std::lock_guard guard(hub().mutex);
    hub().incoming.clear();
    hub().sent.clear();
    hub().refusals = 0;
    hub().suppressOut = false;
    hub().canOpen = true;
    hub().inCount = 0;
    hub().initCount = 0;
    eventfd_t ignored;
    while (eventfd_read(hMsg_Received, &ignored) == 0) {
    }
}

__attribute__((visibility("default"))) void Script_Push(const StationPacket *packet) {
    {
        std::lock_guard guard(hub().mutex);
        hub().incoming.push_back(*packet);
    }
    eventfd_write(hMsg_Received, 1);
}

__attribute__((visibility("default"))) int Script_SentCount(void) {
    std::lock_guard guard(hub().mutex);
    return static_cast<int>(hub().sent.size());
}

__attribute__((visibility("default"))) int Script_Sent(int index, StationPacket *out) {
    std::lock_guard guard(hub().mutex);
    if (index < 0 || static_cast<std::size_t>(index) >= hub().sent.size())
        return 0;
    *out = hub().sent[static_cast<std::size_t>(index)];
    return 1;
}

__attribute__((visibility("default"))) void Script_RefuseSends(int count) {
    std::lock_guard guard(hub().mutex);
    hub().refusals = count;
}

__attribute__((visibility("default"))) void Script_SuppressOut(int suppress) {
    std::lock_guard guard(hub().mutex);
    hub().suppressOut = suppress != 0;
}

__attribute__((visibility("default"))) void Script_SetOpen(int canOpen) {
    std::lock_guard guard(hub().mutex);
    hub().canOpen = canOpen != 0;
}

// The device goes away as an unplugged adapter does: the driver reports it no longer connected.
__attribute__((visibility("default"))) void Script_Unplug(void) {
    std::lock_guard guard(hub().mutex);
    hub().open = false;
}

__attribute__((visibility("default"))) int Script_InitCount(void) {
    std::lock_guard guard(hub().mutex);
    return hub().initCount;
}

__attribute__((visibility("default"))) int Script_InCount(void) {
    std::lock_guard guard(hub().mutex);
    return hub().inCount;
}

__attribute__((visibility("default"))) void Script_RequestRemoteStart(int param) {
    Hub_RemoteStartRequest_t request;
    {
        std::lock_guard guard(hub().mutex);
        request = hub().remoteStart;
    }
    if (request)
        request(param);
}

} // extern "C"
