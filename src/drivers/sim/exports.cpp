// The hub driver contract of the virtual instrument.

#include "core/link/hubdriver.h"
#include "drivers/sim/simhub.h"

using spectavo::drivers::SimHub;

extern "C" {

int hMsg_Received = SimHub::instance().receivedEvent();

void Msg_Init(void) {
    SimHub::instance().init();
}

unsigned char Msg_Popup(unsigned char, StationPacket *out) {
    return out && SimHub::instance().popup(*out) ? 1 : 0;
}

unsigned char Msg_Send(StationPacket *packet) {
    return packet && SimHub::instance().send(*packet) ? 1 : 0;
}

unsigned char Msg_SendBuzy(void) {
    return 0;
}

void Msg_Clear(void) {}
void Msg_CheckState(void) {}
void Msg_Push(void) {}
void Msg_Restore(void) {}
void Msg_CmdData(void) {}
void Msg_Cmd(void) {}
void Msg_CmdFlag(void) {}
void Msg_Status(void) {}
void Msg_Ack(void) {}

unsigned char Hub_OpenDevice(void) {
    return SimHub::instance().open() ? 1 : 0;
}

unsigned char Hub_IsConnected(void) {
    return SimHub::instance().connected() ? 1 : 0;
}

int Hub_CloseDevice(void) {
    SimHub::instance().close();
    return 0;
}

// The virtual instrument has no settings panel of its own yet: its settings live in
// config/tarvesta.zav.sim.ini.
void *HubSetup_Create(void *, int, int, int, int, const char *) {
    return nullptr;
}
void HubSetup_Save(void *) {}
void HubSetup_Close(void *) {}

void Hub_SetRemoteStart(Hub_RemoteStartRequest_t request) {
    SimHub::instance().setRemoteStart(request);
}

// Controls of the virtual instrument for demonstrations and tests.
void SimHub_PressRemoteStart(int param) {
    SimHub::instance().pressRemoteStart(param);
}

void SimHub_Disconnect(void) {
    SimHub::instance().disconnect();
}

} // extern "C"
