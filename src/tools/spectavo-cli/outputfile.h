#pragma once

#include <string>
#include <vector>

namespace spectavo::cli {

// Why a command must not write `output`, or an empty text when it may: an output that names one of
// the inputs would destroy what is being read, and one that exists but is not a regular file (a FIFO,
// a device, a link to one) is never replaced.
std::string outputProblem(const std::string &output, const std::vector<std::string> &inputs);

// Where a measuring command writes what it measured: the output itself after a clean run; after a
// failed one a new file beside it (NAME.incomplete.EXT), so a good file from an earlier run is never
// replaced by a failed one. Empty stays empty.
std::string measuredOutputPath(const std::string &output, bool complete);

} // namespace spectavo::cli
