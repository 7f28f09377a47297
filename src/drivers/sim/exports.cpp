// The hub driver contract of the virtual instrument.

#include "drivers/common/hubexports.h"
#include "drivers/sim/setuppanel.h"
#include "drivers/sim/simhub.h"

using spectavo::drivers::SimHub;
using spectavo::drivers::SimSetupPanel;

SPECTAVO_HUB_DRIVER_EXPORTS(SimHub, SimSetupPanel)

extern "C" {

void Hub_SetRemoteStart(Hub_RemoteStartRequest_t request) {
    SimHub::instance().setRemoteStart(request);
}

// Controls of the virtual instrument for demonstrations and tests.
void SimHub_PressRemoteStart(int param) {
    SimHub::instance().pressRemoteStart(param);
}

int SimHub_CommandsReceived(int code) {
    return SimHub::instance().commandsReceived(code);
}

// Entry `index` of the command log, oldest first: 1 and the packet, or 0 past the end.
int SimHub_LoggedCommand(int index, StationPacket *out) {
    return out && SimHub::instance().loggedCommand(index, *out) ? 1 : 0;
}

void SimHub_Disconnect(void) {
    SimHub::instance().disconnect();
}

} // extern "C"
