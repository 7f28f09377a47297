#pragma once

#include <cstdint>

#include "core/link/hubchannel.h"
#include "core/link/stationrecords.h"

namespace spectavo::link {

// The instrument's commands, each with its send policy. The baseline calibration, the 656.1 nm
// location and the switch point set the long-operation flag themselves before their command goes out.
class StationCommands {
public:
    StationCommands(HubChannel &channel, StationStatus &status) : m_channel(channel), m_status(status) {}

    bool LinkRequest();
    bool Unlink();
    bool LampSwitch(std::uint8_t lamp, std::uint8_t on);
    bool SetSwitchPoint(float nanometres);
    bool SelectCellOnce(std::uint8_t cell);
    bool RemoteMeasureDone();
    bool SetAmplifier(std::uint8_t amplifierByte);
    bool SetSlit(std::uint8_t slitCode);
    bool CalibrateBaseline();
    bool Locate656();
    bool ConfirmYes();
    bool ConfirmNo();
    bool Escape();
    bool QueryStatus();

private:
    bool sendLongOperation(std::uint8_t code);

    HubChannel &m_channel;
    StationStatus &m_status;
};

} // namespace spectavo::link
