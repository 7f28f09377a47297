// The hub driver contract of a serial line to the instrument.

#include "drivers/common/hubexports.h"
#include "drivers/rs232/rs232hub.h"
#include "drivers/rs232/setuppanel.h"

using spectavo::drivers::Rs232Hub;
using spectavo::drivers::Rs232SetupPanel;

SPECTAVO_HUB_DRIVER_EXPORTS(Rs232Hub, Rs232SetupPanel)

extern "C" {

// Frames dropped as damaged since the device was opened, for service diagnostics and tests.
unsigned long Rs232_BadFrames(void) {
    return static_cast<unsigned long>(Rs232Hub::instance().badFrames());
}

} // extern "C"
