// The hub driver contract of the virtual instrument.

#include "core/link/hubdriver.h"
#include "drivers/sim/setuppanel.h"
#include "drivers/sim/simhub.h"

#include <QApplication>

using spectavo::drivers::SimHub;
using spectavo::drivers::SimSetupPanel;

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

// The settings panel, a QWidget inside the hub setup's area. Without a widget to live in (a headless
// client) there is no panel.
void *HubSetup_Create(void *parentWidget, int left, int top, int right, int bottom, const char *) {
    if (!parentWidget || !QApplication::instance())
        return nullptr;
    auto *panel = new SimSetupPanel(static_cast<QWidget *>(parentWidget));
    panel->setGeometry(left, top, right - left, bottom - top);
    panel->show();
    return panel;
}

void HubSetup_Save(void *handle) {
    if (handle)
        static_cast<SimSetupPanel *>(handle)->save();
}

void HubSetup_Close(void *handle) {
    delete static_cast<SimSetupPanel *>(handle);
}

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
