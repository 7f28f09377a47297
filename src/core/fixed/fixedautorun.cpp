#include "core/fixed/fixedautorun.h"

#include <algorithm>

#include "core/link/linkcodes.h"

namespace spectavo::fixed {

std::optional<std::string> cellRowName(const std::string &cellName) {
    // Compared as bytes with 18 blanks: an empty name, or one of blanks only up to that length, is none.
    if (cellName.compare(std::string(18, ' ')) <= 0)
        return std::nullopt;
    return cellName;
}

int FixedAutorun::cellCount() const {
    return std::min<int>(m_program.link.status().cellCount.load(), program::CellSelection::kCells);
}

FixedAutorun::Step FixedAutorun::start(Clock::time_point now) {
    m_running = true;
    m_stopRequested = false;
    m_program.flags.autorunActive = 1;
    return selectFrom(0, now);
}

FixedAutorun::Step FixedAutorun::selectFrom(int cell, Clock::time_point now) {
    if (m_stopRequested)
        return finish();
    while (cell < cellCount() && !m_program.cells.installed(cell))
        ++cell;
    if (cell >= cellCount())
        return finish();
    m_cell = cell;
    m_waiting = true;
    m_program.link.operations().RequestCell(static_cast<std::uint8_t>(cell));
    m_sentAt = now;
    return poll(now);
}

FixedAutorun::Step FixedAutorun::poll(Clock::time_point now) {
    if (!m_running)
        return {Step::Finished, m_cell, {}};
    if (!m_waiting)
        return {Step::Waiting, m_cell, {}};
    if (m_stopRequested)
        return finish();
    if (m_program.link.status().currentCell.load() == m_cell) {
        m_waiting = false;
        return {Step::Measure, m_cell,
                cellRowName(m_program.cells.cellName[static_cast<std::size_t>(m_cell)])};
    }
    if (now - m_sentAt > kChangerLimit) {
        m_running = false;
        m_waiting = false;
        m_program.flags.autorunActive = 0;
        return {Step::ChangerError, m_cell, {}};
    }
    return {Step::Waiting, m_cell, {}};
}

FixedAutorun::Step FixedAutorun::measured(Clock::time_point now) {
    if (!m_running)
        return {Step::Finished, m_cell, {}};
    return selectFrom(m_cell + 1, now);
}

void FixedAutorun::stop() {
    m_stopRequested = true;
    if (m_waiting)
        finish();
}

FixedAutorun::Step FixedAutorun::finish() {
    m_running = false;
    m_waiting = false;
    m_program.flags.autorunActive = 0;
    for (int cell = cellCount() - 1; cell >= 0; --cell) {
        if (m_program.cells.installed(cell)) {
            m_program.link.status().currentCell.store(static_cast<std::uint8_t>(cell));
            break;
        }
    }
    return {Step::Finished, m_cell, {}};
}

RemoteAction remoteStartAction(int code, bool measuringAllowed, bool tablePageShown) {
    if (!measuringAllowed)
        return RemoteAction::Ignore;
    if (code == link::kRemoteMeasure)
        return tablePageShown ? RemoteAction::MeasureShownTable : RemoteAction::MeasureSampleTable;
    return RemoteAction::AutoBlankCalibration;
}

} // namespace spectavo::fixed
