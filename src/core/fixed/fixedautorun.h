#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/program/programrecords.h"
#include "core/strings/translation.h"

namespace spectavo::fixed {

// The name a cell gives its row: none for an empty or blank name (the row keeps its default name).
std::optional<std::string> cellRowName(const std::string &cellName);

// The automatic run over the installed cells of the changer: select a cell, wait for the changer to
// report it in the light path, measure one row named after the cell, go on with the next. It never
// blocks: the window polls it while the changer moves and reports each readout's end.
class FixedAutorun {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kChangerLimit{20};
    static constexpr const char *kChangerError = SPECTAVO_TEXT("Auto-changer error, check and try again!");

    explicit FixedAutorun(program::ProgramRecords program) : m_program(program) {}

    struct Step {
        enum Kind { Waiting, Measure, ChangerError, Finished } kind = Waiting;
        int cell = -1;
        std::optional<std::string> name; // for Measure
    };

    // Selects the first installed cell; Finished at once when none is installed.
    Step start(Clock::time_point now);
    // While the changer moves: Measure once the cell is in the light path, ChangerError after the limit.
    Step poll(Clock::time_point now);
    // The readout of the current cell ended (measured or not): the next cell, or Finished.
    Step measured(Clock::time_point now);
    // The operator's Stop: the run ends; a readout under way finishes first.
    void stop();

    bool running() const { return m_running; }
    bool waitingForChanger() const { return m_running && m_waiting; }
    int cell() const { return m_cell; }

private:
    Step selectFrom(int cell, Clock::time_point now);
    Step finish();
    int cellCount() const;

    program::ProgramRecords m_program;
    bool m_running = false;
    bool m_waiting = false;
    bool m_stopRequested = false;
    int m_cell = -1;
    Clock::time_point m_sentAt{};
};

// What a remote-start request asks of a fixed-wavelength window.
enum class RemoteAction { Ignore, MeasureShownTable, MeasureSampleTable, AutoBlankCalibration };
RemoteAction remoteStartAction(int code, bool measuringAllowed, bool tablePageShown);

} // namespace spectavo::fixed
