#pragma once

#include <string>
#include <vector>

#include "core/acquisition/measuredstate.h"
#include "core/fixed/fixedcommandrules.h"
#include "core/fixed/readoutsequence.h"
#include "core/fixed/sampletable.h"
#include "store/resultstore.h"

namespace spectavo::app {

// One readout of a fixed-wavelength window as the store keeps it: a JSON object with the sample, the
// wavelengths and their blanks, the readings that arrived, and the table's row as the window shows it
// (the results the window computed included), under the table's own column titles; for a validity
// test, every row of the test and its verdict.
struct FixedReadoutResult {
    fixed::DocumentFamily family = fixed::DocumentFamily::FixedPoints;
    MeasuredState state = MeasuredState::Complete;
    MeasuredClock::time_point started;
    std::string sample;
    std::string method;
    fixed::ReadoutPoints points;
    std::vector<float> readings; // those that arrived
    // The table's rows this result wrote (none when the readout ended without one), and the verdict
    // of a validity test.
    const fixed::SampleTable *table = nullptr;
    std::vector<int> rows;
    std::string verdict;
};

store::ResultRecord fixedReadoutResult(const FixedReadoutResult &readout);

} // namespace spectavo::app
