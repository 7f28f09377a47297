#pragma once

#include <QApplication>
#include <QWidget>

#include "core/link/hubdriver.h"

// The exports of the hub driver contract for a driver made of a hub class (instance(), init(), open(),
// close(), connected(), send(), popup(), receivedEvent()) and a settings panel class (a QWidget taking
// its parent, with save()). Each driver expands it once; what differs between drivers lives in those
// two classes.
#define SPECTAVO_HUB_DRIVER_EXPORTS(Hub, Panel)                                                              \
    extern "C" {                                                                                             \
    int hMsg_Received = Hub::instance().receivedEvent();                                                     \
    void Msg_Init(void) {                                                                                    \
        Hub::instance().init();                                                                              \
    }                                                                                                        \
    unsigned char Msg_Popup(unsigned char, StationPacket *out) {                                             \
        return out && Hub::instance().popup(*out);                                                           \
    }                                                                                                        \
    unsigned char Msg_Send(StationPacket *packet) {                                                          \
        return packet && Hub::instance().send(*packet);                                                      \
    }                                                                                                        \
    unsigned char Msg_SendBuzy(void) {                                                                       \
        return 0;                                                                                            \
    }                                                                                                        \
    /* Exported for the contract; the program never calls them. */                                           \
    void Msg_Clear(void) {}                                                                                  \
    void Msg_CheckState(void) {}                                                                             \
    void Msg_Push(void) {}                                                                                   \
    void Msg_Restore(void) {}                                                                                \
    void Msg_CmdData(void) {}                                                                                \
    void Msg_Cmd(void) {}                                                                                    \
    void Msg_CmdFlag(void) {}                                                                                \
    void Msg_Status(void) {}                                                                                 \
    void Msg_Ack(void) {}                                                                                    \
    unsigned char Hub_OpenDevice(void) {                                                                     \
        return Hub::instance().open();                                                                       \
    }                                                                                                        \
    unsigned char Hub_IsConnected(void) {                                                                    \
        return Hub::instance().connected();                                                                  \
    }                                                                                                        \
    int Hub_CloseDevice(void) {                                                                              \
        Hub::instance().close();                                                                             \
        return 0;                                                                                            \
    }                                                                                                        \
    /* The settings panel lives in the parent widget the hub setup hands over; without a widget to */        \
    /* live in (a headless client) there is no panel. */                                                     \
    void *HubSetup_Create(void *parentWidget, int left, int top, int right, int bottom, const char *) {      \
        if (!parentWidget || !QApplication::instance())                                                      \
            return nullptr;                                                                                  \
        auto *panel = new Panel(static_cast<QWidget *>(parentWidget));                                       \
        panel->setGeometry(left, top, right - left, bottom - top);                                           \
        panel->show();                                                                                       \
        return panel;                                                                                        \
    }                                                                                                        \
    void HubSetup_Save(void *handle) {                                                                       \
        if (handle)                                                                                          \
            static_cast<Panel *>(handle)->save();                                                            \
    }                                                                                                        \
    void HubSetup_Close(void *handle) {                                                                      \
        delete static_cast<Panel *>(handle);                                                                 \
    }                                                                                                        \
    }
