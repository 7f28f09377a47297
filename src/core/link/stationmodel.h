#pragma once

#include <string>
#include <string_view>

namespace spectavo::link {

// The station-model file holds what a model of the instrument can do (limits, step and time tables).
// Its name is built from the model name the instrument reports, so that name is untrusted: one that
// could leave the configuration folder or name something odd (a path separator, "..", a control
// character) is refused, and the defaults' file is used instead.
bool acceptableModelName(std::string_view model);
// The file for a model, as a path in the configuration folder; the defaults' file for a refused name.
std::string stationModelFile(const std::string &model);

} // namespace spectavo::link
