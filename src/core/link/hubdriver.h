/* The contract between Spectavo and a communication hub driver: a shared library
 * tarvesta.zav.comm.<name>.so in the program directory that owns the physical link to the
 * instrument, queues packets both ways and signals hMsg_Received while packets wait.
 * Plain C, so a driver can be written in anything that exports C symbols. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/* Every command and status packet: 4 header bytes and 64 data bytes. Numbers in data are
 * big-endian. */
typedef struct StationPacket {
    unsigned char reserved; /* 0 in outgoing packets */
    unsigned char code;     /* command code out, packet type in */
    unsigned char state;    /* set to 1 before Msg_Out; Msg_Out writes 3 to suppress the packet */
    unsigned char length;   /* meaningful data bytes, 0..64 */
    unsigned char data[64];
} StationPacket;

typedef void (*Msg_Init_t)(void);
typedef unsigned char (*Msg_Popup_t)(unsigned char queue, StationPacket *out);
typedef unsigned char (*Msg_Send_t)(StationPacket *packet);
typedef unsigned char (*Msg_SendBuzy_t)(void);
typedef void (*Msg_Unused_t)(void);
typedef void (*Msg_Tap_t)(StationPacket *packet);
typedef unsigned char (*Hub_OpenDevice_t)(void);
typedef unsigned char (*Hub_IsConnected_t)(void);
typedef int (*Hub_CloseDevice_t)(void);
typedef void *(*HubSetup_Create_t)(void *parentWidget, int left, int top, int right, int bottom,
                                   const char *name);
typedef void (*HubSetup_Save_t)(void *handle);
typedef void (*HubSetup_Close_t)(void *handle);
typedef void (*Hub_RemoteStartRequest_t)(int param);
typedef void (*Hub_SetRemoteStart_t)(Hub_RemoteStartRequest_t request);

/* The exports. The program binds them by name (see hubloader.h) and never links them; a driver
 * includes this header so that its definitions match. Msg_In, Msg_Out and Hub_SetRemoteStart are
 * optional; the setup functions are needed only by the hub setup dialog. */
void Msg_Init(void);
unsigned char Msg_Popup(unsigned char queue, StationPacket *out);
unsigned char Msg_Send(StationPacket *packet);
unsigned char Msg_SendBuzy(void);
void Msg_Clear(void);
void Msg_CheckState(void);
void Msg_Push(void);
void Msg_Restore(void);
void Msg_CmdData(void);
void Msg_Cmd(void);
void Msg_CmdFlag(void);
void Msg_Status(void);
void Msg_Ack(void);
void Msg_In(StationPacket *packet);
void Msg_Out(StationPacket *packet);
unsigned char Hub_OpenDevice(void);
unsigned char Hub_IsConnected(void);
int Hub_CloseDevice(void);
extern int hMsg_Received; /* a non-blocking eventfd, readable while packets wait */
void *HubSetup_Create(void *parentWidget, int left, int top, int right, int bottom, const char *name);
void HubSetup_Save(void *handle);
void HubSetup_Close(void *handle);
void Hub_SetRemoteStart(Hub_RemoteStartRequest_t request);

#ifdef __cplusplus
}
#endif
