#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/scan/scanoperations.h"

class QWidget;

namespace spectavo::app {

// What the operator chose for an operation of the Compute menu: its parameters, the result's name and
// colour, and for the arithmetic the two records by name.
struct OperationRequest {
    scan::OperationParameters parameters;
    std::string resultName;
    std::optional<int> colourIndex; // none: the result keeps its source's colour
    std::string first;
    std::string second;
};

// The operation's dialog, started from the current record's sample name and a colour to offer (-1:
// none offered); `names` are the records the arithmetic may take. Nothing when cancelled.
std::optional<OperationRequest> askOperation(const scan::OperationInfo &info, const std::string &sampleName,
                                             int colourIndex, const std::vector<std::string> &names,
                                             QWidget *parent);

} // namespace spectavo::app
