#pragma once

#include <string>

#include "core/acquisition/measuredstate.h"
#include "store/resultstore.h"

namespace spectavo::app {

// A scan window's result of a measurement that ended: its kind, how it ended, when, the sample, the
// method in words and the record's file bytes.
store::ResultRecord measuredResult(const char *kind, MeasuredState state, MeasuredClock::time_point started,
                                   std::string sample, std::string method, const char *format,
                                   std::string data);

} // namespace spectavo::app
