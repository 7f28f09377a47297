#pragma once

#include <string>
#include <vector>

namespace spectavo::cli {

// Why a command must not write `output`, or an empty text when it may: an output that names one of
// the inputs would destroy what is being read, and one that exists but is not a regular file (a FIFO,
// a device, a link to one) is never replaced.
std::string outputProblem(const std::string &output, const std::vector<std::string> &inputs);

} // namespace spectavo::cli
