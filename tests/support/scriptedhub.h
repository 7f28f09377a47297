#pragma once

#include "core/link/hubdriver.h"

// A hub driver for tests: records every packet sent and hands out packets queued by the test. Built
// into the unit tests (bound through a symbol table) and as a real shared library for the
// integration tests (loaded through the real loader), from the same source.
extern "C" {
void Script_Reset(void);
void Script_Push(const StationPacket *packet);
int Script_SentCount(void);
int Script_Sent(int index, StationPacket *out);
void Script_RefuseSends(int count); // the next `count` sends are refused; -1 refuses for ever
void Script_SuppressOut(int suppress);
void Script_SetOpen(int canOpen);
void Script_Unplug(void);
int Script_InCount(void);
int Script_InitCount(void);
void Script_RequestRemoteStart(int param);
}
