#include "core/shell/mainframemodel.h"

#include <cmath>

#include "core/link/bytes.h"
#include "core/link/linkcodes.h"
#include "core/link/stationrules.h"
#include "core/shell/commandids.h"
#include "core/strings/cformat.h"
#include "core/strings/stringtable.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

MainFrameModel::MainFrameModel(link::StationLink &link) : m_link(link) {
    m_panes = {"", " Ready ", SPECTAVO_TEXT("Pos: Unknown"), "Abs:       ", "S:     ", "R:     ", "CPU:   "};
}

std::string MainFrameModel::bootStateText(int state) {
    return strings::bootStateText(state);
}

MainFrameModel::Reaction MainFrameModel::handleStationNotify(int code, std::int32_t value) {
    link::StationStatus &status = m_link.status();
    switch (code) {
    case link::kStationState:
        if (value == link::kStateReady) {
            setPane(kPaneState, strings::text(strings::kReady));
            status.stationReady = 1;
        } else if (value == link::kStateBusy) {
            setPane(kPaneState, strings::text(strings::kWait));
            status.stationReady = 0;
        } else if (value == link::kStateOffline) {
            setPane(kPaneState, strings::text(strings::kReadyOffline));
            status.stationReady = 0;
        }
        return Reaction::None;
    case link::kStationLoad:
        setPane(kPaneCpu, strings::formatC("CPU:%3d", value));
        return Reaction::None;
    case link::kStationBoot:
        setPane(kPaneState, SPECTAVO_TEXT("Starting"));
        setPane(kPaneValue, bootStateText(value));
        if (value == link::kBootAskRecalibrate)
            return Reaction::AskRecalibrate;
        if (value == link::kBootAskInitFileSystem)
            return Reaction::AskInitFileSystem;
        return Reaction::None;
    case link::kStationItem:
        if (value == link::kItemWavelengthOutOfRange)
            return Reaction::WavelengthOutOfRange;
        if (value == link::kItemD2EnergyLow)
            return Reaction::D2EnergyLow;
        return Reaction::RefreshStatusWindow;
    case link::kStationWavelength:
        setPane(kPanePosition, "Pos:" + strings::formatC("%6.1fnm", value / 10.0));
        return Reaction::None;
    case link::kStationBlankTaken:
        setPane(kPaneState, strings::text(strings::kReady));
        status.stationReady = 1;
        return Reaction::None;
    case link::kStationSampleSignal:
        setPane(kPaneSample,
                "S:" + strings::formatC("%5.f", static_cast<double>(link::floatFromBits(value))));
        return Reaction::None;
    case link::kStationReferenceSignal:
        setPane(kPaneReference,
                "R:" + strings::formatC("%5.f", static_cast<double>(link::floatFromBits(value))));
        return Reaction::None;
    case link::kStationAbsorbance: {
        const double absorbance = link::floatFromBits(value);
        setPane(kPaneValue, m_flags.absorbanceMode
                                ? "Abs:" + strings::formatC("% 6.3f", absorbance)
                                : "T:" + strings::formatC("% 6.2f", std::pow(10.0, 2.0 - absorbance)));
        return Reaction::None;
    }
    default:
        return Reaction::None;
    }
}

void MainFrameModel::answerBootQuestion(bool yes) {
    if (yes)
        m_link.commands().ConfirmYes();
    else
        m_link.commands().ConfirmNo();
}

void MainFrameModel::acknowledgeD2EnergyLow() {
    m_link.commands().Escape();
}

std::vector<MainFrameModel::TimerStart> MainFrameModel::onCreated(int connected) {
    m_link.ResetStationStatus(connected);
    // The sipper starts every session at its shortest time and interval, whatever the file kept.
    m_accessories.sipTimeS = 2;
    m_accessories.sipIntervalS = 2;
    return {{Timer::LinkStart, 500}};
}

std::vector<MainFrameModel::TimerStart> MainFrameModel::onTimer(Timer timer) {
    switch (timer) {
    case Timer::LinkStart:
        if (m_link.channel().LoadHubDriver() && m_link.channel().OpenHub()) {
            m_link.channel().StartReceiver();
            return {{Timer::LinkRequest, 200}};
        }
        return {};
    case Timer::LinkRequest:
        m_link.commands().LinkRequest();
        return {};
    case Timer::LampWarmup:
        // The warm-up is one timer: switching on again restarts it, so only the expiry of the latest
        // start counts, and switching off has stopped it.
        if (m_pendingWarmups > 0 && --m_pendingWarmups == 0 && m_link.status().d2LampOn.load() != 0)
            lampStabilised();
        return {};
    }
    return {};
}

std::vector<MainFrameModel::TimerStart> MainFrameModel::relink() {
    if (m_link.channel().IsHubConnected())
        m_link.channel().CloseHub();
    if (!m_link.channel().ReopenHub())
        return {};
    m_link.channel().StartReceiver();
    return {{Timer::LinkRequest, 200}};
}

std::optional<MainFrameModel::TimerStart> MainFrameModel::switchD2Lamp(bool *showWarmupMessage) {
    link::StationStatus &status = m_link.status();
    const std::uint8_t on = status.d2LampOn.load() ? 0 : 1;
    status.d2LampOn = on;
    m_link.commands().LampSwitch(link::kLampD2, on);
    setPane(kPaneState, strings::text(strings::kWait));
    m_flags.lampStable = 0;
    *showWarmupMessage = on != 0;
    if (on) {
        ++m_pendingWarmups;
        return TimerStart{Timer::LampWarmup, 30000};
    }
    lampStabilised(); // switching off never leaves the lamp "unstable"
    return std::nullopt;
}

void MainFrameModel::lampStabilised() {
    m_flags.lampStable = 1;
    setPane(kPaneState, strings::text(strings::kReadyLampStable));
}

void MainFrameModel::switchWLamp() {
    link::StationStatus &status = m_link.status();
    const std::uint8_t on = status.wLampOn.load() ? 0 : 1;
    status.wLampOn = on;
    m_link.commands().LampSwitch(link::kLampW, on);
}

void MainFrameModel::setPhotometricMode(bool absorbance) {
    const int mode = absorbance ? 1 : 0;
    m_flags.photometricModeChanged = mode != m_flags.absorbanceMode ? 1 : 0;
    m_flags.absorbanceMode = mode;
}

bool MainFrameModel::enabled(int id, bool childWindowExists) const {
    const link::StationStatus &status = m_link.status();
    link::StationLink &station = m_link;
    const bool linked = status.linkOnline.load() == 1;
    const bool idle = station.acquisition().mode.load() == link::kModeNone;
    const bool warm = m_flags.lampStable != 0;
    const bool ready = status.stationReady.load() == 1;
    const bool noAutorun = m_flags.autorunActive == 0;
    const bool all = linked && idle && warm && ready && noAutorun;
    switch (id) {
    case kCmdLink:
        return idle;
    case kCmdReset:
    case kCmdPause:
    case kCmdInternalKeypad:
        return false;
    case kCmdEscape:
        return childWindowExists;
    case kCmdStop: {
        const int mode = station.acquisition().mode.load();
        return ((mode == link::kModeWaveScan || mode == link::kModeTimedSampling) &&
                station.acquisition().open.load()) ||
               m_flags.autorunActive != 0;
    }
    case kCmdDarkCurrent:
    case kCmdAmplifier:
    case kCmdLocate656:
    case kCmdCalibrateBaseline:
        return all;
    case kCmdSlit05:
    case kCmdSlit10:
    case kCmdSlit20:
    case kCmdSlit40:
        return link::slitEntriesEnabled(status.linkOnline.load(), status.slitSetting.load(),
                                        m_flags.autorunActive);
    case kCmdWLamp:
        return (linked && idle) || status.wEnergyStatus.load() == -1;
    case kCmdD2Lamp:
        return (linked && idle && warm) || status.d2EnergyStatus.load() == -1;
    case kCmdSwitchPoint:
    case kCmdGoto:
        return linked && idle;
    case kCmdMulticells:
        return all && status.cellCount.load() > 0;
    case kCmdOpenInstrumentFile:
        return all && childWindowExists;
    case kCmdSipperConnected:
        return linked && status.sipperStatus.load() == 1;
    case kCmdSipperSetup:
    case kCmdSippingTime:
    case kCmdSippingInterval:
    case kCmdEnableSipper:
        return linked && status.sipperStatus.load() == 1 && m_accessories.sipperConnected && idle;
    case kCmdDisableSipper:
    case kCmdFlushSipper:
        return linked && status.sipperStatus.load() == 1 && m_accessories.sipperConnected;
    default:
        if (id >= kCmdCell1 && id < kCmdCell1 + 8) {
            const int cell = id - kCmdCell1;
            // Any cell of the changer may be moved in by hand while no run goes: the multicell
            // selection says which cells a run measures, not which the operator may look at.
            return linked && noAutorun && cell < status.cellCount.load();
        }
        return true;
    }
}

bool MainFrameModel::checked(int id) const {
    const link::StationStatus &status = m_link.status();
    switch (id) {
    case kCmdLink:
        return status.linkOnline.load() == 1;
    case kCmdWLamp:
        return status.wLampOn.load() != 0;
    case kCmdD2Lamp:
        return status.d2LampOn.load() != 0;
    case kCmdAbsorbance:
        return m_flags.absorbanceMode == 1;
    case kCmdSipperConnected:
        return m_accessories.sipperConnected != 0;
    case kCmdDisableSipper:
        return true;
    case kCmdTransmittance:
        return m_flags.absorbanceMode == 0;
    case kCmdSlit05:
    case kCmdSlit10:
    case kCmdSlit20:
    case kCmdSlit40:
        return link::slitEntryChecked(id - kCmdSlit05 + 1, status.slitSetting.load());
    default:
        if (id >= kCmdCell1 && id < kCmdCell1 + 8)
            return id - kCmdCell1 == status.currentCell.load();
        return false;
    }
}

} // namespace spectavo::shell
