#pragma once

#include <chrono>

namespace spectavo {

// How a measurement ended: whole, stopped by the operator or the instrument, or with points that
// never came. What arrived is kept in every case.
enum class MeasuredState { Complete, Stopped, Incomplete };

inline const char *measuredStateText(MeasuredState state) {
    switch (state) {
    case MeasuredState::Complete:
        return "complete";
    case MeasuredState::Stopped:
        return "stopped";
    case MeasuredState::Incomplete:
        return "incomplete";
    }
    return "incomplete";
}

using MeasuredClock = std::chrono::system_clock;

} // namespace spectavo
