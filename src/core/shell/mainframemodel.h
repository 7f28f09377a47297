#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/link/stationlink.h"
#include "core/program/appflags.h"
#include "core/shell/accessories.h"
#include "core/strings/translation.h"

namespace spectavo::shell {

enum StatusPane : int {
    kPanePrompt,
    kPaneState,
    kPanePosition,
    kPaneValue,
    kPaneSample,
    kPaneReference,
    kPaneCpu
};
inline constexpr int kPaneCount = 7;

// The main window without its widgets: the status panes, the reaction to every station notification,
// the start-up timers, the lamps and the photometric mode, and the enabling rules of the instrument
// menu. The window shows what this model says and carries out the reactions it returns.
class MainFrameModel {
public:
    explicit MainFrameModel(link::StationLink &link);

    const std::array<std::string, kPaneCount> &panes() const { return m_panes; }
    program::AppFlags &flags() { return m_flags; }
    AccessorySettings &accessories() { return m_accessories; }
    const program::AppFlags &flags() const { return m_flags; }

    // What the window must do after a notification beyond updating the panes.
    enum class Reaction {
        None,
        AskRecalibrate,       // boot state 7: "Recalibrate System?" (Yes/No), answered by answerBootQuestion
        AskInitFileSystem,    // boot state 14: "File system error.\nInitialize file system?"
        WavelengthOutOfRange, // error box
        D2EnergyLow,          // information box, then Escape (done by acknowledgeD2EnergyLow)
        RefreshStatusWindow,  // any other status item
    };
    Reaction handleStationNotify(int code, std::int32_t value);
    void answerBootQuestion(bool yes);
    void acknowledgeD2EnergyLow();

    // The one-shot timers: the window starts a timer when told to and reports its expiry.
    enum class Timer { LinkStart = 1, LinkRequest = 2, LampWarmup = 3 };
    struct TimerStart {
        Timer timer;
        int milliseconds;
        friend bool operator==(const TimerStart &, const TimerStart &) = default;
    };
    // The window exists: the station records are reset (the link starts as `connected`, the
    // application's setting) and the link start-up begins.
    std::vector<TimerStart> onCreated(int connected);
    std::vector<TimerStart> onTimer(Timer timer);
    // "Link" while offline: the device is closed, the driver initialised afresh and the device opened
    // again, then the link request follows on its timer.
    std::vector<TimerStart> relink();

    // Lamps: the D2 lamp needs a warm-up, reported to the operator with this text.
    static constexpr const char *kWarmupMessage =
        SPECTAVO_TEXT("The lights is stable 30 seconds after you turn on D2.");
    std::optional<TimerStart> switchD2Lamp(bool *showWarmupMessage);
    void switchWLamp();
    void setPhotometricMode(bool absorbance);

    // A measurement window's own text in the state pane ("Wait...", "Ready").
    void showViewState(std::string text) { setPane(kPaneState, std::move(text)); }

    bool enabled(int commandId, bool childWindowExists) const;
    bool checked(int commandId) const;

    static std::string bootStateText(int state);

private:
    void setPane(StatusPane pane, std::string text) {
        m_panes[static_cast<std::size_t>(pane)] = std::move(text);
    }

    void lampStabilised();

    link::StationLink &m_link;
    program::AppFlags m_flags;
    int m_pendingWarmups = 0; // warm-up starts whose expiry has not come yet
    AccessorySettings m_accessories;
    std::array<std::string, kPaneCount> m_panes;
};

} // namespace spectavo::shell
