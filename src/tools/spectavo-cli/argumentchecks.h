#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands.h"

namespace spectavo::cli {

// Arguments are checked as the windows check their fields: the whole word must be a number within the
// field's limits, or the command stops with the message and exit 1 before anything is sent.

// The option's number, nothing when it is absent; `error` is set when it is present but not a number
// from `low` to `high` (a non-finite number never is).
std::optional<double> checkedNumber(const Arguments &args, const std::string &option, double low, double high,
                                    std::string &error);
// The same for a whole number.
std::optional<int> checkedInteger(const Arguments &args, const std::string &option, int low, int high,
                                  std::string &error);
// A word of the command line (not an option) as a number within limits.
std::optional<double> checkedWord(const std::string &word, const std::string &what, double low, double high,
                                  std::string &error);

// A comma-separated list of 1 to `most` wavelengths, each within `low` .. `high`; empty and `error` set
// when the list is refused.
std::vector<float> checkedWavelengthList(const std::string &text, double low, double high, std::size_t most,
                                         std::string &error);

// An instrument command's arguments checked before anything is sent, against the limits the windows
// use (the scan range of the application settings, the step and filter tables, the instrument's
// wavelength range, the file types); the message of the first one refused, or empty.
std::string checkInstrumentArguments(const std::string &command, const Arguments &args);
// The --timeout option in seconds (20 when absent), refused outside 0.1 .. 86400.
std::optional<double> checkedTimeout(const Arguments &args, std::string &error);

} // namespace spectavo::cli
