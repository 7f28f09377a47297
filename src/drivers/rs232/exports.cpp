// The hub driver contract of a serial line to the instrument.

#include "core/link/hubdriver.h"
#include "drivers/rs232/rs232hub.h"
#include "drivers/rs232/setuppanel.h"

#include <QApplication>

using spectavo::drivers::Rs232Hub;
using spectavo::drivers::Rs232SetupPanel;

extern "C" {

int hMsg_Received = Rs232Hub::instance().receivedEvent();

void Msg_Init(void) {
    Rs232Hub::instance().init();
}

unsigned char Msg_Popup(unsigned char, StationPacket *out) {
    return out && Rs232Hub::instance().popup(*out) ? 1 : 0;
}

unsigned char Msg_Send(StationPacket *packet) {
    return packet && Rs232Hub::instance().send(*packet) ? 1 : 0;
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
    return Rs232Hub::instance().open() ? 1 : 0;
}

unsigned char Hub_IsConnected(void) {
    return Rs232Hub::instance().connected() ? 1 : 0;
}

int Hub_CloseDevice(void) {
    Rs232Hub::instance().close();
    return 0;
}

// The settings panel, a QWidget inside the hub setup's area; none without a widget to live in.
void *HubSetup_Create(void *parentWidget, int left, int top, int right, int bottom, const char *) {
    if (!parentWidget || !QApplication::instance())
        return nullptr;
    auto *panel = new Rs232SetupPanel(static_cast<QWidget *>(parentWidget));
    panel->setGeometry(left, top, right - left, bottom - top);
    panel->show();
    return panel;
}

void HubSetup_Save(void *handle) {
    if (handle)
        static_cast<Rs232SetupPanel *>(handle)->save();
}

void HubSetup_Close(void *handle) {
    delete static_cast<Rs232SetupPanel *>(handle);
}

// Frames dropped as damaged since the device was opened, for service diagnostics and tests.
unsigned long Rs232_BadFrames(void) {
    return static_cast<unsigned long>(Rs232Hub::instance().badFrames());
}

} // extern "C"
