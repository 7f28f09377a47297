#include "core/link/stationcommands.h"

#include "core/link/commands.h"

namespace spectavo::link {

bool StationCommands::LinkRequest() {
    m_status.linkOnline.store(0, std::memory_order_relaxed);
    return m_channel.IsHubConnected() && m_channel.SendCommand(kLinkRequest);
}

bool StationCommands::Unlink() {
    return m_channel.SendUntilAccepted(kUnlink);
}

bool StationCommands::LampSwitch(std::uint8_t lamp, std::uint8_t on) {
    const std::uint8_t data[] = {lamp, on};
    return m_channel.SendUntilAccepted(kLampSwitch, data);
}

bool StationCommands::SetSwitchPoint(float nanometres) {
    return m_channel.SendUntilAccepted(kSetSwitchPoint, wavelengthArgument(nanometres)) &&
           CalibrateBaseline();
}

// The long operations are flagged before their command goes out: an acknowledgement that arrives
// first would otherwise be overwritten, leaving the flag set for nothing.
bool StationCommands::sendLongOperation(std::uint8_t code) {
    m_status.longOperationPending.store(1, std::memory_order_relaxed);
    if (m_channel.SendUntilAccepted(code))
        return true;
    m_status.longOperationPending.store(0, std::memory_order_relaxed);
    return false;
}

bool StationCommands::SelectCellOnce(std::uint8_t cell) {
    return m_channel.SendCommand(kSelectCell, cell);
}

bool StationCommands::RemoteMeasureDone() {
    return m_channel.SendUntilAccepted(kRemoteMeasureDone);
}

bool StationCommands::SetAmplifier(std::uint8_t amplifierByte) {
    return m_channel.SendUntilAccepted(kSetAmplifier, std::span<const std::uint8_t>(&amplifierByte, 1));
}

bool StationCommands::SetSlit(std::uint8_t slitCode) {
    return m_channel.SendCommand(kSetSlit, slitCode);
}

bool StationCommands::CalibrateBaseline() {
    return sendLongOperation(kCalibrateBaseline);
}

bool StationCommands::Locate656() {
    return sendLongOperation(kLocate656);
}

bool StationCommands::ConfirmYes() {
    return m_channel.SendCommand(kConfirmYes);
}

bool StationCommands::ConfirmNo() {
    return m_channel.SendCommand(kConfirmNo);
}

bool StationCommands::Escape() {
    return m_channel.SendUntilAccepted(kEscape);
}

bool StationCommands::QueryStatus() {
    return m_channel.SendUntilAccepted(kQueryStatus);
}

} // namespace spectavo::link
